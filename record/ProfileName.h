// How long a profile's name may be: the registry key under PROFILE, the dialog's name field
// and the companion's request all hold it to the same length.
#ifndef SKYLOOK_RECORD_PROFILE_NAME_H
#define SKYLOOK_RECORD_PROFILE_NAME_H

#include <cstddef>

constexpr std::size_t ProfileNameMaxLength = 32;  // longer key names are listed cut to this

#endif
