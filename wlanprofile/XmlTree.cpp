#include "wlanprofile/XmlTree.h"

#include "wlanprofile/XmlLite.h"

#include <climits>
#include <set>
#include <utility>

const XmlElement* XmlElement::Child(std::string_view ns, std::string_view name) const
{
    for (const XmlElement& child : Children) {
        if (child.Namespace == ns && child.Name == name)
            return &child;
    }
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::ChildrenNamed(std::string_view ns, std::string_view name) const
{
    std::vector<const XmlElement*> found;
    for (const XmlElement& child : Children) {
        if (child.Namespace == ns && child.Name == name)
            found.push_back(&child);
    }
    return found;
}

namespace {

// The codes of "Error Codes (XmlLite)" that the tree names in its own words, as HRESULTs.
constexpr HRESULT InputEnd = static_cast<HRESULT>(MX_E_INPUTEND);
constexpr HRESULT ElementMismatch = static_cast<HRESULT>(WC_E_ELEMENTMATCH);
constexpr HRESULT BadSyntax = static_cast<HRESULT>(WC_E_SYNTAX);
constexpr HRESULT DepthExceeded = static_cast<HRESULT>(SC_E_MAXELEMENTDEPTH);

// The readers count XmlReaderProperty_MaxElementDepth differently (Wine's refuses an element
// at the limit as soon as it holds anything), so the tree keeps XmlMaxDepth itself and the
// reader's limit, one deeper, only stops it from following a runaway nesting.
constexpr UINT ReaderMaxDepth = static_cast<UINT>(XmlMaxDepth + 1);

// Appends UTF-16 as UTF-8; false for a lone surrogate, which names no character.
bool AppendUtf8(std::wstring_view text, std::string& out)
{
    if (text.empty())
        return true;
    if (text.size() > INT_MAX)
        return false;
    const int length = static_cast<int>(text.size());
    const int size = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, nullptr, 0, nullptr,
                                           nullptr);
    if (size <= 0)
        return false;
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(size));
    ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, &out[start], size, nullptr, nullptr);
    return true;
}

// The name of the node or attribute the reader stands on.
struct NodeName {
    std::wstring Qualified;  // as written, with its prefix
    std::wstring Local;
    std::wstring Namespace;

    std::wstring_view Prefix() const
    {
        if (Qualified.size() <= Local.size())
            return {};
        return std::wstring_view(Qualified).substr(0, Qualified.size() - Local.size() - 1);
    }
};

NodeName CurrentName(IXmlReader& reader)
{
    NodeName name;
    const wchar_t* text = nullptr;
    UINT length = 0;
    if (SUCCEEDED(reader.GetQualifiedName(&text, &length)) && text)
        name.Qualified.assign(text, length);
    if (SUCCEEDED(reader.GetLocalName(&text, &length)) && text)
        name.Local.assign(text, length);
    if (SUCCEEDED(reader.GetNamespaceUri(&text, &length)) && text)
        name.Namespace.assign(text, length);
    return name;
}

std::string Utf8(std::wstring_view text)
{
    std::string out;
    return AppendUtf8(text, out) ? out : "?";
}

// Walks the reader's nodes (IXmlReader::Read) into a tree. Microsoft's reader enforces every
// rule of XML and its namespaces itself; the checks here are the ones Wine's XmlLite leaves out,
// so that a document is read alike on both.
class CTreeBuilder {
public:
    CTreeBuilder(IXmlReader& reader, size_t codeUnits) : m_reader(reader), m_codeUnits(codeUnits) {}

    bool Build(XmlElement& root)
    {
        XmlNodeType previousType = XmlNodeType_None;
        UINT previousLine = 0;
        UINT previousPosition = 0;
        for (size_t nodes = 0;; ++nodes) {
            XmlNodeType type = XmlNodeType_None;
            const HRESULT result = m_reader.Read(&type);
            if (result == S_FALSE)
                break;
            if (FAILED(result))
                return Fail(ReaderError(result));
            UINT line = 0;
            UINT position = 0;
            m_reader.GetLineNumber(&line);
            m_reader.GetLinePosition(&position);
            // Every node takes at least one character, and no two of one kind start at one place.
            // Wine's reader, at an end of input inside markup, gives the last node again and
            // again where Microsoft's fails with MX_E_INPUTEND.
            if (nodes > m_codeUnits || (type == previousType && line == previousLine && position == previousPosition))
                return Fail(ReaderError(InputEnd));
            previousType = type;
            previousLine = line;
            previousPosition = position;
            if (!Node(type, root))
                return false;
        }
        if (!m_rootDone)
            return Fail(ReaderError(InputEnd));
        return true;
    }

    const XmlError& Error() const { return m_error; }

private:
    struct OpenElement {
        XmlElement* Element;
        std::string Name;        // as written, for messages
        size_t OuterPrefixes;  // how many of m_prefixes were declared outside it
    };

    bool Fail(std::string message)
    {
        UINT line = 0;
        m_reader.GetLineNumber(&line);
        m_error.Line = line;
        m_error.Message = std::move(message);
        return false;
    }

    std::string ReaderError(HRESULT result) const
    {
        if (result == InputEnd && !m_rootStarted)
            return "the document holds no element";
        if (result == InputEnd && !m_open.empty())
            return "the element <" + m_open.back().Name + "> is not closed";
        if (result == ElementMismatch && !m_open.empty())
            return "the end tag of <" + m_open.back().Name + "> names another element";
        if (result == BadSyntax && m_rootDone)
            return "there is more after the document's element";
        return XmlLiteErrorText(result);
    }

    bool Node(XmlNodeType type, XmlElement& root)
    {
        switch (type) {
        case XmlNodeType_Element:
            return Element(root);
        case XmlNodeType_EndElement:
            if (m_open.empty())
                return Fail(XmlLiteErrorText(BadSyntax));
            m_prefixes.resize(m_open.back().OuterPrefixes);
            m_open.pop_back();
            m_rootDone = m_open.empty();
            return true;
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace:
            return m_open.empty() || Text(m_open.back().Element->Text);
        default:
            return true;  // the XML declaration, comments, processing instructions
        }
    }

    bool Text(std::string& text)
    {
        const wchar_t* value = nullptr;
        UINT length = 0;
        if (FAILED(m_reader.GetValue(&value, &length)) || (length && !value))
            return Fail("the reader gave no text");
        if (!AppendUtf8(std::wstring_view(value, length), text))
            return Fail("the text holds a character that is not Unicode");
        return true;
    }

    bool Element(XmlElement& root)
    {
        if (m_rootDone)
            return Fail("there is more after the document's element");
        if (m_open.size() >= XmlMaxDepth)
            return Fail(XmlLiteErrorText(DepthExceeded));
        const bool empty = m_reader.IsEmptyElement() != FALSE;
        const NodeName name = CurrentName(m_reader);
        const size_t outerPrefixes = m_prefixes.size();
        std::vector<NodeName> attributes;
        if (!Attributes(attributes) || !Bound(name))
            return false;
        for (const NodeName& attribute : attributes) {
            if (!Bound(attribute))
                return false;
        }
        XmlElement* element = m_open.empty() ? &root : &m_open.back().Element->Children.emplace_back();
        if (!AppendUtf8(name.Local, element->Name) || !AppendUtf8(name.Namespace, element->Namespace))
            return Fail("a name holds a character that is not Unicode");
        m_rootStarted = true;
        if (!empty) {
            m_open.push_back({element, Utf8(name.Qualified), outerPrefixes});
        } else {
            m_prefixes.resize(outerPrefixes);
            m_rootDone = m_open.empty();
        }
        return true;
    }

    // A prefix that no element around the name (or the name's own) declares: Wine's reader puts
    // such a name in the default namespace, or in none.
    bool Bound(const NodeName& name)
    {
        const std::wstring_view prefix = name.Prefix();
        if (prefix.empty() || prefix == L"xml" || prefix == L"xmlns")
            return true;
        for (const std::wstring& declared : m_prefixes) {
            if (declared == prefix)
                return true;
        }
        return Fail("the prefix \"" + Utf8(prefix) + "\" is bound to no namespace");
    }

    // The element's attributes, the prefixes they declare added to m_prefixes, none given twice
    // (by namespace and local name, as the namespaces recommendation counts them); Wine's reader
    // lets an attribute be given twice.
    bool Attributes(std::vector<NodeName>& attributes)
    {
        std::set<std::pair<std::wstring, std::wstring>> seen;
        HRESULT result = m_reader.MoveToFirstAttribute();
        for (; result == S_OK; result = m_reader.MoveToNextAttribute()) {
            NodeName name = CurrentName(m_reader);
            if (!seen.emplace(name.Namespace, name.Local).second)
                return Fail("the attribute \"" + Utf8(name.Qualified) + "\" is given twice");
            if (name.Prefix() == L"xmlns")
                m_prefixes.push_back(name.Local);
            attributes.push_back(std::move(name));
        }
        if (FAILED(result))
            return Fail(XmlLiteErrorText(result));
        m_reader.MoveToElement();
        return true;
    }

    IXmlReader& m_reader;
    const size_t m_codeUnits;
    std::vector<OpenElement> m_open;
    std::vector<std::wstring> m_prefixes;  // declared by the open elements, innermost last
    bool m_rootStarted = false;
    bool m_rootDone = false;
    XmlError m_error;
};

bool Parse(const void* bytes, size_t size, size_t codeUnits, const wchar_t* encoding, XmlElement& root,
           XmlError& error)
{
    root = XmlElement{};
    std::string failure;
    const CComPtr<IXmlReader> reader = OpenXmlLiteReader(bytes, size, encoding, ReaderMaxDepth, failure);
    if (!reader) {
        error = {0, failure};
        return false;
    }
    XmlElement parsed;
    CTreeBuilder builder(*reader.Get(), codeUnits);
    if (!builder.Build(parsed)) {
        error = builder.Error();
        return false;
    }
    root = std::move(parsed);
    return true;
}

}  // namespace

bool ParseXml(std::string_view text, XmlElement& root, XmlError& error)
{
    return Parse(text.data(), text.size(), text.size(), L"UTF-8", root, error);
}

bool ParseXml(std::wstring_view text, XmlElement& root, XmlError& error)
{
    return Parse(text.data(), text.size() * sizeof(wchar_t), text.size(), L"UTF-16", root, error);
}
