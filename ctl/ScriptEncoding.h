// The texts of a registry script in the encodings the registry editor and Notepad save:
// REGEDIT4 in the code page, "Windows Registry Editor Version 5.00" in UTF-16 with a byte
// order mark, either of them in UTF-8 with a mark. The store keeps its texts in the code
// page (the registry's code-page calls convert them), so every text is brought into it, and
// one that the code page cannot spell is refused rather than stored as question marks.
#ifndef SKYLOOK_CTL_SCRIPT_ENCODING_H
#define SKYLOOK_CTL_SCRIPT_ENCODING_H

#include <string>
#include <vector>

enum class ScriptEncoding {
    CodePage,  // no byte order mark: the texts are the store's bytes already
    Utf8,      // after a UTF-8 mark
    Utf16,     // after a UTF-16 (little-endian) mark
};

ScriptEncoding DetectScriptEncoding(const std::string& bytes);

// The file's text after its mark, as the grammar reads it: UTF-16 is turned into UTF-8,
// whose multi-byte letters never hold a quote, a backslash or a line end. False, with the
// line (from 1), where a UTF-16 file breaks off inside a letter.
bool ScriptText(const std::string& bytes, ScriptEncoding encoding, std::string& text, int& brokenLine);

// UTF-8 text in the code page's bytes; false when the code page cannot spell it exactly.
bool Utf8ToCodePage(const std::string& text, std::string& spelled);
// UTF-16 (little-endian) bytes, as the Version 5 format lists a text value in hex, in the
// code page's bytes, zero letters kept; false when the count is odd or not spelled exactly.
bool Utf16BytesToCodePage(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& spelled);

// "holds a letter that the settings' code page (1252) cannot spell", for the messages.
std::string CodePageRefusal();

#endif
