// Measures the registry walk of a scan against a bare enumeration of the same
// keys, side by side in one run, over a synthetic registry of realistic shape
// seeded under HKCU\Software\SuiteBench.
//
//   scan_bench.exe [--keys N] [--values M] [--rounds R]
//
// N keys (default 50000) with M values in all (default 250000). The seed is
// kept between runs (a value records its shape), so only the first run of a
// prefix pays for it. Prints the ratio scan / bare last.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/phrasebook_texts.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "scan/kept_texts.h"
#include "scan/scan_engine.h"
#include "bench/quiet_scan_window.h"

namespace {

constexpr wchar_t kBenchKey[] = L"Software\\SuiteBench";
constexpr char kTreePath[] = "Software\\SuiteBench\\tree";

struct Shape {
  int keys = 50000;
  int values = 250000;
  int rounds = 3;
};

Shape ParseArgs(int argc, wchar_t** argv) {
  Shape shape;
  for (int i = 1; i + 1 < argc; i += 2) {
    const int n = _wtoi(argv[i + 1]);
    if (n <= 0) continue;
    if (wcscmp(argv[i], L"--keys") == 0) shape.keys = n;
    if (wcscmp(argv[i], L"--values") == 0) shape.values = n;
    if (wcscmp(argv[i], L"--rounds") == 0) shape.rounds = n;
  }
  return shape;
}

// The data of value number i: mostly plain settings, some paths to files
// that exist, a few to files that do not, as a real software hive has.
void SetBenchValue(HKEY key, int i) {
  const std::wstring name = L"Value" + std::to_wstring(i);
  std::wstring text;
  DWORD type = REG_SZ;
  switch (i % 50) {
    case 0: case 1: case 2:
      text = L"C:\\windows\\system32\\kernel32.dll";
      break;
    case 3:
      text = L"\"C:\\windows\\notepad.exe\" /s %1";
      break;
    case 4:
      text = L"C:\\Program Files\\Gone Vendor\\app" + std::to_wstring(i) + L".exe";
      break;
    case 5:
      text = L"Z:\\usr\\share\\doc\\readme" + std::to_wstring(i) + L".txt";
      break;
    case 6: case 7: case 8: case 9: case 10: case 11: case 12: case 13: case 14: case 15: {
      const DWORD number = static_cast<DWORD>(i);
      RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof number);
      return;
    }
    case 16: case 17: case 18: case 19: {
      BYTE bytes[24];
      for (int b = 0; b < 24; ++b) bytes[b] = static_cast<BYTE>(i + b);
      RegSetValueExW(key, name.c_str(), 0, REG_BINARY, bytes, sizeof bytes);
      return;
    }
    case 20:
      type = REG_EXPAND_SZ;
      text = L"%SystemRoot%\\system32\\shell32.dll,-" + std::to_wstring(i);
      break;
    default:
      text = L"Setting " + std::to_wstring(i) + L" of a program that keeps plain text here";
      break;
  }
  RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

std::wstring ShapeText(const Shape& shape) {
  return std::to_wstring(shape.keys) + L";" + std::to_wstring(shape.values);
}

bool SeedIsCurrent(const Shape& shape) {
  wchar_t stored[64] = {};
  DWORD size = sizeof stored;
  if (RegGetValueW(HKEY_CURRENT_USER, kBenchKey, L"shape", RRF_RT_REG_SZ, nullptr, stored,
                   &size) != ERROR_SUCCESS) {
    return false;
  }
  return ShapeText(shape) == stored;
}

// Keys form a tree breadth first, eight children a key; the values are
// spread evenly over the keys.
void Seed(const Shape& shape) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
  std::vector<HKEY> keys;
  keys.reserve(shape.keys);
  HKEY root = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\SuiteBench\\tree", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &root, nullptr);
  keys.push_back(root);
  for (int k = 1; k < shape.keys; ++k) {
    HKEY child = nullptr;
    const std::wstring name = L"Key " + std::to_wstring(k);
    RegCreateKeyExW(keys[(k - 1) / 8], name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child,
                    nullptr);
    keys.push_back(child);
  }
  for (int v = 0; v < shape.values; ++v) SetBenchValue(keys[v % shape.keys], v);
  for (HKEY key : keys) RegCloseKey(key);
  const std::wstring text = ShapeText(shape);
  RegSetKeyValueW(HKEY_CURRENT_USER, kBenchKey, L"shape", REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// The least a walk of the same keys must do: open each key, read its counts,
// enumerate every value with its data and every sub-key.
struct BareCounts {
  long keys = 0;
  long values = 0;
};

void BareWalk(HKEY parent, const wchar_t* path, BareCounts& counts, std::vector<BYTE>& data) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  ++counts.keys;
  DWORD subkeys = 0;
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  wchar_t name[261];
  for (DWORD i = 0; i < values; ++i) {
    DWORD name_length = 261;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    if (RegEnumValueW(key, i, name, &name_length, nullptr, &type, data.data(), &size) ==
        ERROR_SUCCESS) {
      ++counts.values;
    }
  }
  for (DWORD i = 0; i < subkeys; ++i) {
    DWORD name_length = 261;
    if (RegEnumKeyExW(key, i, name, &name_length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS) {
      BareWalk(key, name, counts, data);
    }
  }
  RegCloseKey(key);
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const Shape shape = ParseArgs(argc, argv);
  if (!SeedIsCurrent(shape)) {
    std::printf("seeding %d keys and %d values ...\n", shape.keys, shape.values);
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    Seed(shape);
    std::printf("seeded in %.1f s\n", Seconds(std::chrono::steady_clock::now() - start));
  }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::PhrasebookTexts texts;
  const scan::KeptTexts kept = scan::KeptTexts::Load(texts);
  if (kept.stop_caption.empty()) {
    std::printf("the language library gave no texts: is phrasebook.dll beside scan_bench.exe?\n");
    return 1;
  }
  bench::QuietScanWindow window(kept.stop_caption);
  scan::ScanEngine engine(registry, files, texts, window, kept);
  std::vector<BYTE> data(64 * 1024);

  double bare_best = 1e9;
  double scan_best = 1e9;
  BareCounts counts;
  for (int round = 0; round < shape.rounds; ++round) {
    counts = {};
    auto start = std::chrono::steady_clock::now();
    BareWalk(HKEY_CURRENT_USER, L"Software\\SuiteBench\\tree", counts, data);
    bare_best = std::min(bare_best, Seconds(std::chrono::steady_clock::now() - start));

    window.ClearProblems();
    start = std::chrono::steady_clock::now();
    engine.WalkKey(platform::kCurrentUser, kTreePath);
    scan_best = std::min(scan_best, Seconds(std::chrono::steady_clock::now() - start));
  }

  std::printf("keys walked:       %ld\n", counts.keys);
  std::printf("values read:       %ld\n", counts.values);
  std::printf("problems found:    %ld\n", static_cast<long>(window.problems().size()));
  std::printf("bare enumeration:  %.3f s (best of %d)\n", bare_best, shape.rounds);
  std::printf("scan walk:         %.3f s (best of %d)\n", scan_best, shape.rounds);
  std::printf("ratio scan / bare: %.2f (goal: at most 1.50)\n", scan_best / bare_best);
  return 0;
}
