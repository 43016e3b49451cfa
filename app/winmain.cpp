#include "app/winmain.h"

#include <string>

#include "app/answers.h"
#include "app/colours.h"
#include "app/geometry.h"
#include "app/questions.h"
#include "app/report.h"
#include "app/results.h"
#include "console/console.h"
#include "winsvc/winsvc.h"

namespace {

constexpr int kScreenRows = 22;
constexpr int kIdiApplication = 32512;
constexpr int kScRestore = 0xF120;
constexpr int kScSize = 0xF000;
constexpr int kScMaximize = 0xF030;
constexpr int kCentred = 32767;

// Title, icon and a system menu without the items that would resize the window.
void SetUpWindow(void* instance) {
  int flags = 0;
  winsvc::InitConsoleTools(instance, 0, 0, 0, &flags, 0);
  winsvc::ConsoleToolBar(0, 5);
  const std::string released_unread = winsvc::ConsoleTitle("Sorvanta");
  winsvc::ConsoleIcon(kIdiApplication);
  for (int item : {kScRestore, 0, kScSize, -2, -1, kScMaximize}) {
    winsvc::DeleteWindowMenuItem(item);
  }
}

void PaintScreen() {
  app::Use(app::kAnswerColour);
  console::ClearScreen();
  winsvc::Console80x(kScreenRows);
  winsvc::ConsoleMove(kCentred, kCentred);
  console::ClearScreen();
  app::Use(app::kAnswerColour);
  console::SetCursor(0);
}

void PrintLines(int count) {
  for (int i = 0; i < count; ++i) console::PrintNewLine();
}

void PrintBanner() {
  PrintLines(1);
  console::PrintText("   Sorvanta v1");
  PrintLines(1);
  console::PrintText("   Surround loudspeaker placement planner, by the Sorvanta developers");
  PrintLines(1);
  console::PrintText("   https://sorvanta.example.org");
  PrintLines(4);
}

}  // namespace

std::int32_t WINMAIN(void* instance, void*, const char*, int) {
  SetUpWindow(instance);
  PaintScreen();
  PrintBanner();

  app::Answers answers;
  std::string scratch;
  app::AskQuestions(answers, scratch);

  PrintLines(2);
  const app::Layout layout = app::ComputeLayout(answers);
  app::ResultTexts result_texts;
  app::PrintReport(layout, result_texts);
  app::PublishResults({answers, layout});

  PrintLines(2);
  app::Use(app::kPromptColour);
  console::PrintText("   press any key to quit");
  PrintLines(1);
  console::WaitForKey();
  return 0;
}
