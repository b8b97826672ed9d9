#include "wlanprofile/XmlLite.h"

#include "framework/SystemLibrary.h"

#include <shlwapi.h>

#include <climits>
#include <cstdio>

namespace {

struct XmlLiteFunctions {
    decltype(&::CreateXmlReader) CreateReader = nullptr;
    decltype(&::CreateXmlReaderInputWithEncodingName) CreateInput = nullptr;
    decltype(&::SHCreateMemStream) CreateMemoryStream = nullptr;
    std::string Missing;  // empty when every function was found

    XmlLiteFunctions()
    {
        const CSystemLibrary xmlLite("xmllite.dll", CSystemLibrary::SystemFolderOnly{});
        const CSystemLibrary shellLight("shlwapi.dll", CSystemLibrary::SystemFolderOnly{});
        if (!xmlLite.Loaded())
            Missing = "the system's XML reader (xmllite.dll) could not be loaded";
        else if (!xmlLite.Find(CreateReader, "CreateXmlReader") ||
                 !xmlLite.Find(CreateInput, "CreateXmlReaderInputWithEncodingName"))
            Missing = "the system's XML reader (xmllite.dll) lacks CreateXmlReader";
        // Exported by name since Vista, as XmlLite itself is.
        else if (!shellLight.Find(CreateMemoryStream, "SHCreateMemStream"))
            Missing = "the system lacks SHCreateMemStream (shlwapi.dll) to hand the XML reader its text";
    }
};

const XmlLiteFunctions& Functions()
{
    static const XmlLiteFunctions functions;
    return functions;
}

std::string Failed(const char* what, HRESULT code)
{
    char text[96];
    std::snprintf(text, sizeof text, "the system's XML reader could not %s (error 0x%08lX)", what,
                  static_cast<unsigned long>(code));
    return text;
}

}  // namespace

// CreateXmlReader, CreateXmlReaderInputWithEncodingName and the reader's properties
// (XmlReaderProperty_DtdProcessing, XmlReaderProperty_MaxElementDepth) as Microsoft's XmlLite
// reference describes them; SHCreateMemStream copies the bytes, so the stream owns its text.
CComPtr<IXmlReader> OpenXmlLiteReader(const void* bytes, size_t size, const wchar_t* encoding, UINT maxDepth,
                                      std::string& failure)
{
    const XmlLiteFunctions& xmlLite = Functions();
    if (!xmlLite.Missing.empty()) {
        failure = xmlLite.Missing;
        return {};
    }
    if (size > UINT_MAX) {
        failure = "the document is larger than 4 GB";
        return {};
    }
    CComPtr<IStream> stream(xmlLite.CreateMemoryStream(static_cast<const BYTE*>(size ? bytes : nullptr),
                                                       static_cast<UINT>(size)));
    if (!stream) {
        failure = Failed("hold the document", E_OUTOFMEMORY);
        return {};
    }
    // Without a byte order mark the named encoding is used whatever the XML declaration says
    // (fEncodingHint FALSE): WlanGetProfile's UTF-16 text may declare UTF-8.
    CComPtr<IUnknown> input;
    HRESULT result = xmlLite.CreateInput(stream.Get(), nullptr, encoding, FALSE, nullptr, input.Receive());
    if (FAILED(result)) {
        failure = Failed("take the document", result);
        return {};
    }
    CComPtr<IXmlReader> reader;
    result = xmlLite.CreateReader(__uuidof(IXmlReader), reader.ReceiveVoid(), nullptr);
    if (SUCCEEDED(result))
        result = reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    if (SUCCEEDED(result))
        result = reader->SetProperty(XmlReaderProperty_MaxElementDepth, maxDepth);
    if (SUCCEEDED(result))
        result = reader->SetInput(input.Get());
    if (FAILED(result)) {
        failure = Failed("be set up", result);
        return {};
    }
    return reader;
}

// The codes of "Error Codes (XmlLite)" that a short document can meet, said for the user.
std::string XmlLiteErrorText(HRESULT code)
{
    static const struct {
        unsigned long Code;
        const char* Text;
    } texts[] = {
        {MX_E_INPUTEND, "the document ends too early"},
        {MX_E_ENCODING, "its encoding is not one the reader knows"},
        {MX_E_ENCODINGSWITCH, "its declared encoding cannot be used"},
        {MX_E_ENCODINGSIGNATURE, "its byte order mark is not recognised"},
        {WC_E_WHITESPACE, "a blank was expected"},
        {WC_E_SEMICOLON, "a ';' was expected"},
        {WC_E_GREATERTHAN, "a '>' was expected"},
        {WC_E_QUOTE, "a quote was expected"},
        {WC_E_EQUAL, "an '=' was expected"},
        {WC_E_LESSTHAN, "a '<' inside an attribute's value"},
        {WC_E_HEXDIGIT, "a hexadecimal digit was expected"},
        {WC_E_DIGIT, "a decimal digit was expected"},
        {WC_E_XMLCHARACTER, "a character XML does not allow"},
        {WC_E_NAMECHARACTER, "a character that no name can hold"},
        {WC_E_SYNTAX, "the markup is not well-formed"},
        {WC_E_CDSECT, "a CDATA section is not well-formed"},
        {WC_E_COMMENT, "a comment is not well-formed"},
        {WC_E_NAME, "a name was expected"},
        {WC_E_ELEMENTMATCH, "an end tag does not match its start tag"},
        {WC_E_UNIQUEATTRIBUTE, "an attribute is given twice"},
        {WC_E_XMLDECL, "the XML declaration is not well-formed"},
        {WC_E_ENCNAME, "the declared encoding's name is not valid"},
        {WC_E_UNDECLAREDENTITY, "it refers to an entity no one declared"},
        {WC_E_PI, "a processing instruction is not well-formed"},
        {WC_E_CDSECTEND, "\"]]>\" outside a CDATA section"},
        {WC_E_DTDPROHIBITED, "a document type declaration is not accepted"},
        {NC_E_QNAMECHARACTER, "a name holds a character no name can hold"},
        {NC_E_QNAMECOLON, "a name holds more than one ':'"},
        {NC_E_NAMECOLON, "a name holds a ':' where it may not"},
        {NC_E_UNDECLAREDPREFIX, "a prefix is bound to no namespace"},
        {NC_E_EMPTYURI, "a prefix is bound to an empty namespace"},
        {SC_E_MAXELEMENTDEPTH, "elements are nested too deeply"},
        {SC_E_MAXENTITYEXPANSION, "entities expand too far"},
        {XML_E_INVALID_DECIMAL, "a character reference is not a decimal number"},
        {XML_E_INVALID_HEXIDECIMAL, "a character reference is not a hexadecimal number"},
        {XML_E_INVALID_UNICODE, "a character reference names no character"},
    };
    for (const auto& text : texts) {
        if (text.Code == static_cast<unsigned long>(code))
            return text.Text;
    }
    char unknown[64];
    std::snprintf(unknown, sizeof unknown, "the XML reader's error 0x%08lX", static_cast<unsigned long>(code));
    return unknown;
}
