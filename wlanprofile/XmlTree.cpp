#include "wlanprofile/XmlTree.h"

#include "record/HexText.h"

#include <algorithm>
#include <cstdint>

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

constexpr std::string_view XmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr uint32_t LargestCodePoint = 0x10FFFF;

struct Binding {
    std::string Prefix;  // empty for the default namespace
    std::string Uri;
};

struct Attribute {
    std::string Name;  // as written, prefix included
    std::string Value;
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

void AppendUtf8(uint32_t codePoint, std::string& out)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

class CXmlReader {
public:
    explicit CXmlReader(std::string_view text) : m_text(text) {}

    bool Document(XmlElement& root)
    {
        if (StartsWith("\xEF\xBB\xBF"))
            m_pos += 3;
        if (!Misc())
            return false;
        if (AtEnd() || m_text[m_pos] != '<')
            return Fail("the document holds no element");
        if (!Element(root, 1) || !Misc())
            return false;
        if (!AtEnd())
            return Fail("there is more after the document's element");
        return true;
    }

    XmlError Error() const
    {
        const size_t end = std::min(m_errorPos, m_text.size());
        return {static_cast<size_t>(std::count(m_text.begin(), m_text.begin() + end, '\n')) + 1, m_error};
    }

private:
    bool Fail(const std::string& message)
    {
        if (m_error.empty()) {
            m_error = message;
            m_errorPos = m_pos;
        }
        return false;
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    bool StartsWith(std::string_view prefix) const { return m_text.substr(m_pos, prefix.size()) == prefix; }

    void SkipSpace()
    {
        while (!AtEnd() && IsSpace(m_text[m_pos]))
            ++m_pos;
    }

    // Moves past the end marker; false when the text ends first.
    bool SkipPast(std::string_view end, const char* what)
    {
        const size_t found = m_text.find(end, m_pos);
        if (found == std::string_view::npos)
            return Fail(std::string(what) + " is not closed");
        m_pos = found + end.size();
        return true;
    }

    // Blanks, comments and processing instructions (the XML declaration among them).
    bool Misc()
    {
        for (;;) {
            SkipSpace();
            if (StartsWith("<!--")) {
                if (!SkipPast("-->", "a comment"))
                    return false;
            } else if (StartsWith("<?")) {
                if (!SkipPast("?>", "a processing instruction"))
                    return false;
            } else if (StartsWith("<!")) {
                return Fail("a document type declaration is not accepted");
            } else {
                return true;
            }
        }
    }

    bool Name(std::string& name)
    {
        const size_t start = m_pos;
        if (AtEnd() || !IsNameStart(m_text[m_pos]))
            return Fail("a name was expected");
        while (!AtEnd() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        name.assign(m_text.substr(start, m_pos - start));
        return true;
    }

    // At '&': a character reference or one of the five predefined entities.
    bool Reference(std::string& out)
    {
        const size_t end = m_text.find(';', m_pos);
        if (end == std::string_view::npos || end - m_pos > 12)
            return Fail("an '&' that begins no reference");
        const std::string_view body = m_text.substr(m_pos + 1, end - m_pos - 1);
        static const struct {
            std::string_view Name;
            char Character;
        } predefined[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& entity : predefined) {
            if (body == entity.Name) {
                out += entity.Character;
                m_pos = end + 1;
                return true;
            }
        }
        if (body.size() < 2 || body[0] != '#')
            return Fail("the entity &" + std::string(body) + "; is not one XML defines");
        const bool hex = body[1] == 'x';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        uint32_t codePoint = 0;
        for (char c : digits) {
            const int value = hex ? HexDigitValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
            if (value < 0)
                return Fail("the character reference &" + std::string(body) + "; is not a number");
            codePoint = codePoint * (hex ? 16 : 10) + static_cast<uint32_t>(value);
            if (codePoint > LargestCodePoint)
                break;
        }
        if (digits.empty() || codePoint == 0 || codePoint > LargestCodePoint ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return Fail("the character reference &" + std::string(body) + "; names no character");
        AppendUtf8(codePoint, out);
        m_pos = end + 1;
        return true;
    }

    // Text up to the next markup, line ends made "\n" as XML reads them.
    bool CharacterData(std::string& out)
    {
        const char c = m_text[m_pos];
        if (c == '&')
            return Reference(out);
        if (c == '\0')
            return Fail("a zero byte");
        if (c == '\r') {
            out += '\n';
            ++m_pos;
            if (StartsWith("\n"))
                ++m_pos;
            return true;
        }
        out += c;
        ++m_pos;
        return true;
    }

    bool AttributeValue(std::string& value)
    {
        if (AtEnd() || (m_text[m_pos] != '"' && m_text[m_pos] != '\''))
            return Fail("an attribute's value must be quoted");
        const char quote = m_text[m_pos++];
        while (!AtEnd() && m_text[m_pos] != quote) {
            if (m_text[m_pos] == '<')
                return Fail("a '<' inside an attribute's value");
            if (!CharacterData(value))
                return false;
        }
        if (AtEnd())
            return Fail("an attribute's value is not closed");
        ++m_pos;
        return true;
    }

    bool Resolve(const std::string& qualified, bool attribute, std::string& ns, std::string& local)
    {
        const size_t colon = qualified.find(':');
        const std::string prefix = colon == std::string::npos ? "" : qualified.substr(0, colon);
        local = colon == std::string::npos ? qualified : qualified.substr(colon + 1);
        if (local.empty() || local.find(':') != std::string::npos || (colon == 0))
            return Fail("the name \"" + qualified + "\" is not a qualified name");
        ns.clear();
        if (prefix.empty() && attribute)
            return true;  // an attribute without a prefix is in no namespace
        if (prefix == "xml") {
            ns = XmlNamespace;
            return true;
        }
        for (auto binding = m_bindings.rbegin(); binding != m_bindings.rend(); ++binding) {
            if (binding->Prefix == prefix) {
                ns = binding->Uri;
                return true;
            }
        }
        if (prefix.empty())
            return true;
        return Fail("the prefix \"" + prefix + "\" is bound to no namespace");
    }

    bool Attributes(std::vector<Attribute>& attributes)
    {
        for (;;) {
            const size_t before = m_pos;
            SkipSpace();
            if (AtEnd())
                return Fail("an element's start tag is not closed");
            if (m_text[m_pos] == '>' || StartsWith("/>"))
                return true;
            if (m_pos == before)
                return Fail("attributes must be separated by blanks");
            Attribute attribute;
            if (!Name(attribute.Name))
                return false;
            SkipSpace();
            if (!StartsWith("="))
                return Fail("the attribute \"" + attribute.Name + "\" has no value");
            ++m_pos;
            SkipSpace();
            if (!AttributeValue(attribute.Value))
                return false;
            for (const Attribute& earlier : attributes) {
                if (earlier.Name == attribute.Name)
                    return Fail("the attribute \"" + attribute.Name + "\" is given twice");
            }
            attributes.push_back(std::move(attribute));
        }
    }

    bool Element(XmlElement& element, size_t depth)
    {
        if (depth > XmlMaxDepth)
            return Fail("elements are nested too deeply");
        ++m_pos;  // '<'
        std::string qualified;
        std::vector<Attribute> attributes;
        if (!Name(qualified) || !Attributes(attributes))
            return false;
        const size_t outerBindings = m_bindings.size();
        for (const Attribute& attribute : attributes) {
            if (attribute.Name == "xmlns")
                m_bindings.push_back({"", attribute.Value});
            else if (attribute.Name.compare(0, 6, "xmlns:") == 0)
                m_bindings.push_back({attribute.Name.substr(6), attribute.Value});
        }
        std::string ignoredNs;
        std::string ignoredLocal;
        for (const Attribute& attribute : attributes) {
            if (attribute.Name != "xmlns" && attribute.Name.compare(0, 6, "xmlns:") != 0 &&
                !Resolve(attribute.Name, true, ignoredNs, ignoredLocal))
                return false;
        }
        if (!Resolve(qualified, false, element.Namespace, element.Name))
            return false;
        const bool ok = StartsWith("/>") ? (m_pos += 2, true) : Content(element, qualified, depth);
        m_bindings.resize(outerBindings);
        return ok;
    }

    bool Content(XmlElement& element, const std::string& qualified, size_t depth)
    {
        ++m_pos;  // '>'
        for (;;) {
            if (AtEnd())
                return Fail("the element <" + qualified + "> is not closed");
            if (StartsWith("</")) {
                m_pos += 2;
                std::string closing;
                if (!Name(closing))
                    return false;
                if (closing != qualified)
                    return Fail("</" + closing + "> closes <" + qualified + ">");
                SkipSpace();
                if (!StartsWith(">"))
                    return Fail("the end tag </" + closing + "> is not closed");
                ++m_pos;
                return true;
            }
            if (StartsWith("<!--")) {
                if (!SkipPast("-->", "a comment"))
                    return false;
            } else if (StartsWith("<![CDATA[")) {
                const size_t start = m_pos + 9;
                if (!SkipPast("]]>", "a CDATA section"))
                    return false;
                element.Text.append(m_text.substr(start, m_pos - 3 - start));
            } else if (StartsWith("<?")) {
                if (!SkipPast("?>", "a processing instruction"))
                    return false;
            } else if (StartsWith("<!")) {
                return Fail("a declaration inside an element");
            } else if (StartsWith("<")) {
                element.Children.emplace_back();
                if (!Element(element.Children.back(), depth + 1))
                    return false;
            } else if (!CharacterData(element.Text)) {
                return false;
            }
        }
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::vector<Binding> m_bindings;
    std::string m_error;
    size_t m_errorPos = 0;
};

}  // namespace

bool ParseXml(std::string_view text, XmlElement& root, XmlError& error)
{
    CXmlReader reader(text);
    XmlElement parsed;
    if (!reader.Document(parsed)) {
        error = reader.Error();
        root = XmlElement{};
        return false;
    }
    root = std::move(parsed);
    return true;
}
