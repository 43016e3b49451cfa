#include "tests/dialog/dialog_cases.h"

#include <cctype>

namespace dialog_test {
namespace {

Step Type(std::string keys) {
  return Step{std::move(keys), ""};
}

Step Box(const char* message) {
  return Step{"", message};
}

// A name from the answers: letters and digits kept, everything else an underscore.
std::string NameOf(const std::vector<std::string>& answers) {
  std::string name = "answers";
  for (const std::string& answer : answers) {
    name += '_';
    for (char c : answer) name += std::isalnum(static_cast<unsigned char>(c)) ? c : 'x';
  }
  return name;
}

// Six answers typed one after the other, each accepted at once.
DialogCase Report(const std::vector<std::string>& answers, const Row& s, const Row& r,
                  const char* w) {
  DialogCase c{NameOf(answers), {}, DialogScreen(answers, s, r, w)};
  for (const std::string& answer : answers) c.steps.push_back(Type(answer + "\r"));
  return c;
}

// Wrong answers are wiped and asked again on their own rows, and every later row stays put:
// "y" stays on the screen as typed while the dialog goes on with "Y".
DialogCase RejectedAnswers() {
  return DialogCase{
      "rejected_answers_are_asked_again_on_the_same_row",
      {Type("5\r4\r"), Type("x\r"), Box(kYesNoMessage), Type("\r"), Box(kYesNoMessage),
       Type("yes\r"), Box(kYesNoMessage), Type("Y \r"), Box(kYesNoMessage), Type("y\r6\r0.5\r"),
       Type("99.99\r"), Box(kAngleMessage), Type("120.01\r"), Box(kAngleMessage), Type("abc\r"),
       Box(kAngleMessage), Type("\r"), Box(kAngleMessage), Type("&H6E\r")},
      DialogScreen({"5", "4", "y", "6", "0.5", "&H6E"}, {"4.32", kAnswer}, {"3.23", kAnswer},
                   nullptr)};
}

// A rejected answer long enough to run on to the next row is wiped there too.
DialogCase LongRejectedAnswer() {
  return DialogCase{"long_rejected_answer_is_wiped_across_the_row_end",
                    {Type("5\r4\ryesyesyesyes\r"), Box(kYesNoMessage), Type("N\r6\r0.5\r110\r")},
                    DialogScreen({"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer},
                                 {"3.23", kAnswer}, "6.00")};
}

}  // namespace

const std::vector<DialogCase>& DialogCases() {
  static const std::vector<DialogCase> cases = {
      Report({"5", "4", "N", "6", "0.5", "110"}, {"4.32", kAnswer}, {"3.23", kAnswer}, "6.00"),
      Report({"4", "5", "N", "8", "1", "110"}, {"3.94", kAnswer}, {"2.98", kAnswer}, "5.28"),
      Report({"10", "3", "N", "10", "1", "110"}, {"3.97", kAnswer}, {"3.00", kAnswer}, "5.32"),
      Report({"3", "2", "Y", "4", "0.5", "120"}, {"3.52", kWarning}, {"2.36", kWarning}, nullptr),
      Report({"30", "12", "N", "20", "1.2", "100"}, {"11.99", kAnswer}, {"10.22", kAnswer},
             "20.00"),
      Report({"0", "0", "N", "0", "0", "100"}, {"0.00", kAnswer}, {"0.00", kAnswer}, "0.00"),
      Report({"1", "1", "N", "2", "2", "100"}, {"0.28", kAnswer}, {"0.85", kAnswer}, "-6.45"),
      Report({"5.3", "100", "N", "100", "0", "100"}, {"5.30", kWarning}, {"4.52", kAnswer}, "8.89"),
      Report({"", "", "Y", "", "", "100"}, {"0.00", kAnswer}, {"0.00", kAnswer}, nullptr),
      Report({"abc", "-1", "N", "1E400", "0", "1.1E2"}, {"-0.66", kAnswer}, {"-1.00", kWarning},
             "1.88"),
      RejectedAnswers(),
      LongRejectedAnswer(),
  };
  return cases;
}

}  // namespace dialog_test
