// The life of the program's one adapter handle: opened at start, reopened every second
// while the card is missing, closed at the end.
#ifndef SKYLOOK_ADAPTER_LIFETIME_H
#define SKYLOOK_ADAPTER_LIFETIME_H

// Opens the adapter, reads its instance identifier and drops any association it has, to
// start from a known state. A link to the network the default settings name (defaultSsid,
// infrastructure) is that state already: it is kept, so that a log-on does not cut a working
// connection that the system itself made.
void OpenAdapterAtStart(const char* defaultSsid = "");

// One recovery attempt after a status query found no usable adapter: close, open again,
// re-read the identifier, and close again unless the hardware reports itself usable.
// True when the adapter is open and usable afterwards.
bool ReopenAdapter();

// Opens the adapter and reads its identifier without touching the link; the handle is
// closed again unless the hardware reports itself usable. True when it is open and usable.
bool OpenUsableAdapter();

void CloseAdapterAtEnd();

#endif
