/* Control of the Native Wifi double (wlanapi.dll of the tests and demonstrations): its
 * switches, its scene, its journal. Not for the program: it binds only the Native Wifi calls.
 *
 * Functions return 0 for success, 1 when the double's shared state cannot be had, 2 for a bad
 * command or bad arguments (nothing changes then). */
#ifndef WLANDOUBLE_CONTROL_H
#define WLANDOUBLE_CONTROL_H

#ifdef __cplusplus
extern "C" {
#endif

/* The double and the software adapter's scene back to their defaults; journal cleared. */
int __stdcall WlanDoubleReset(void);

/* Runs one command line (the grammar of wlandouble.exe: "location off", "scene network add
 * ..."); output and messages go to output, always NUL-terminated. */
int __stdcall WlanDoubleCommand(const char* commandLine, char* output, unsigned long outputSize);

/* The journal: one line a call, each ending in "\n". Copies as much as fits (always
 * NUL-terminated) and reports the size needed, terminator included. */
int __stdcall WlanDoubleReadJournal(char* text, unsigned long size, unsigned long* needed);
int __stdcall WlanDoubleClearJournal(void);

/* Blocks the double handed to this process and that WlanFreeMemory has not freed yet. */
long __stdcall WlanDoubleOutstandingAllocations(void);

typedef int(__stdcall* WlanDoubleResetFunction)(void);
typedef int(__stdcall* WlanDoubleCommandFunction)(const char*, char*, unsigned long);
typedef int(__stdcall* WlanDoubleReadJournalFunction)(char*, unsigned long, unsigned long*);
typedef int(__stdcall* WlanDoubleClearJournalFunction)(void);
typedef long(__stdcall* WlanDoubleOutstandingAllocationsFunction)(void);

#ifdef __cplusplus
}
#endif

#endif
