// Message boxes answered from a script: each box takes the next answer, and
// OK (1) when the script has run out. Every box shown is recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace fakes {

class ScriptedMessageBoxes : public platform::MessageBoxes {
 public:
  struct Shown {
    void* owner;
    std::string text;
    std::string title;
    unsigned style;
  };

  std::deque<int> answers;
  std::vector<Shown> shown;

  int Show(void* owner, const std::string& text, const std::string& title,
           unsigned style) override {
    shown.push_back({owner, text, title, style});
    if (answers.empty()) return 1;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace fakes
