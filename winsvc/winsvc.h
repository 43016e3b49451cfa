// The console window services: title, icon, system menu, size, position, message box and beep.
// Every call re-establishes the program's floating-point settings before it returns.
#pragma once

#include <cstdint>
#include <string>

namespace winsvc {

constexpr std::uint32_t kMbOk = 0;

void InitConsoleTools(void* instance, int a, int b, int c, int* flags, int d);
int ConsoleToolBar(int style, int buttons);
std::string ConsoleTitle(const char* title);  // gives back a text the caller releases
int ConsoleIcon(int resource_id);
int DeleteWindowMenuItem(int item);
void Console80x(int rows);
void ConsoleMove(int x, int y);
void ConsoleMessageBox(const char* message, int a, const char* caption, int b, int c);
void MessageBeep(std::uint32_t type);

}  // namespace winsvc
