// JSON on standard output for scripts.
#ifndef SKYLOOK_CTL_JSON_OUTPUT_H
#define SKYLOOK_CTL_JSON_OUTPUT_H

#include <nlohmann/json.hpp>

#include <ostream>

// Indented by two. Network names and registry texts are bytes in the system's code page,
// not UTF-8: a byte that is not valid UTF-8 is written as U+FFFD instead of failing.
inline void WriteJson(std::ostream& stream, const nlohmann::json& json)
{
    stream << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

#endif
