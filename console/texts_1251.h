// The fixed texts that the program shows in Windows-1251, as byte escapes; the comment
// beside each gives the text.
#pragma once

namespace console::cp1251 {

// "Инициализация тайминга прошла успешно." (the timer is ready)
constexpr const char* kTimingReady =
    "\xc8\xed\xe8\xf6\xe8\xe0\xeb\xe8\xe7\xe0\xf6\xe8\xff \xf2\xe0\xe9\xec\xe8\xed\xe3\xe0 "
    "\xef\xf0\xee\xf8\xeb\xe0 \xf3\xf1\xef\xe5\xf8\xed\xee.";
// "неизвестная комманда" (unknown command)
constexpr const char* kUnknownCommand =
    "\xed\xe5\xe8\xe7\xe2\xe5\xf1\xf2\xed\xe0\xff \xea\xee\xec\xec\xe0\xed\xe4\xe0";
// "Не найден файл" (file not found)
constexpr const char* kFileNotFound = "\xcd\xe5 \xed\xe0\xe9\xe4\xe5\xed \xf4\xe0\xe9\xeb";
// "OpenGL нету" (no OpenGL)
constexpr const char* kNoOpenGL = "OpenGL \xed\xe5\xf2\xf3";

}  // namespace console::cp1251
