// Program-wide flag read by the key edit control: 1 while the open key editor takes ASCII
// keys, 0 while it takes hexadecimal keys. Editors set it to 1 minus the "Key Format" index
// whenever they load or change the format.
#ifndef SKYLOOK_STATE_ASCII_KEY_ENTRY_H
#define SKYLOOK_STATE_ASCII_KEY_ENTRY_H

extern int AsciiKeyEntry;

#endif
