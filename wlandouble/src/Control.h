// The double's command grammar, shared by WlanDoubleCommand and wlandouble.exe.
#ifndef WLANDOUBLE_CONTROL_H_INTERNAL
#define WLANDOUBLE_CONTROL_H_INTERNAL

#include "DoubleState.h"
#include "Scene.h"

#include <string>

namespace wdouble {

// 0 done, 1 the shared state could not be had, 2 a bad command (nothing changed).
int RunControl(const std::string& line, std::string& output);
std::string ControlUsage();
std::string StatusText(const DoubleState& s, const Scene& scene);

}  // namespace wdouble

#endif
