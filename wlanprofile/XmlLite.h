// XmlLite, the XML reader Windows has carried since Vista (xmllite.dll), bound from the system
// folder on first use: MinGW-w64 has its header but no import library, and a process that
// never reads XML does not load it.
#ifndef SKYLOOK_WLANPROFILE_XML_LITE_H
#define SKYLOOK_WLANPROFILE_XML_LITE_H

#include "framework/Handles.h"

#include <windows.h>
#include <objidl.h>
// xmllite.h calls its enumeration of error codes XmlError, the name this library gives its own
// error record (XmlTree.h); here the enumeration is XmlLiteError.
#define XmlError XmlLiteError
#include <xmllite.h>
#undef XmlError

#include <cstddef>
#include <string>

// A reader over a copy of size bytes in the named encoding, which the document's own declaration
// cannot change (a byte order mark still can). Document type declarations are refused, so no
// entity of the document's own can expand, and elements nested deeper than maxDepth fail.
// Empty, with failure saying why, when the system lacks XmlLite or the reader cannot be set up.
CComPtr<IXmlReader> OpenXmlLiteReader(const void* bytes, size_t size, const wchar_t* encoding, UINT maxDepth,
                                      std::string& failure);

// What an error code of XmlLite means, in words for the user.
std::string XmlLiteErrorText(HRESULT code);

#endif
