// Well-formed XML read into a tree by the system's own reader (XmlLite), enough for the profiles
// Windows keeps for its wireless networks: elements with their namespace and local name, the text
// directly inside each, character references decoded, CDATA taken as text, comments and
// processing instructions passed over. A document type declaration is refused, so that no entity
// of the document's own can expand.
#ifndef SKYLOOK_WLANPROFILE_XML_TREE_H
#define SKYLOOK_WLANPROFILE_XML_TREE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct XmlElement {
    std::string Namespace;  // the URI its prefix (or the default namespace) is bound to
    std::string Name;       // the local name, without the prefix
    std::string Text;       // the character data directly inside it, as UTF-8
    std::vector<XmlElement> Children;

    // The first child of that namespace and local name; nullptr when there is none.
    const XmlElement* Child(std::string_view ns, std::string_view name) const;
    // Every child of that namespace and local name, in document order.
    std::vector<const XmlElement*> ChildrenNamed(std::string_view ns, std::string_view name) const;
};

struct XmlError {
    size_t Line = 0;  // counted from 1; 0 when the reader itself could not be had
    std::string Message;
};

// Deeper nesting than a profile ever has is refused rather than followed.
constexpr size_t XmlMaxDepth = 64;

// Reads a document given as UTF-8 (a byte order mark is passed over). False, with the line and
// what is wrong, when it is not well-formed; root is then left empty.
bool ParseXml(std::string_view text, XmlElement& root, XmlError& error);

// The same for a document given as UTF-16, as WlanGetProfile gives it (without its terminating
// zero): read as UTF-16 with or without a byte order mark, whatever its XML declaration names.
bool ParseXml(std::wstring_view text, XmlElement& root, XmlError& error);

#endif
