#include "controls/FontCache.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {
struct CachedFont {
    LOGFONTA Description;
    HFONT Font;
    int Users;
};

// Built on first use: a process that never shows these controls keeps nothing.
std::vector<CachedFont>& Cache()
{
    static std::vector<CachedFont> cache;
    return cache;
}

// Only the face name's text counts: the bytes after its end may differ between callers.
bool SameDescription(const LOGFONTA& a, const LOGFONTA& b)
{
    return std::memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

HFONT Acquire(const LOGFONTA& description)
{
    for (CachedFont& cached : Cache()) {
        if (SameDescription(cached.Description, description)) {
            ++cached.Users;
            return cached.Font;
        }
    }
    HFONT created = ::CreateFontIndirectA(&description);
    if (created)
        Cache().push_back({description, created, 1});
    return created;
}

void AddUser(HFONT font)
{
    for (CachedFont& cached : Cache())
        if (cached.Font == font)
            ++cached.Users;
}

void Release(HFONT font)
{
    std::vector<CachedFont>& cache = Cache();
    for (size_t i = 0; i < cache.size(); ++i) {
        if (cache[i].Font != font)
            continue;
        if (--cache[i].Users == 0) {
            ::DeleteObject(font);
            cache.erase(cache.begin() + static_cast<std::ptrdiff_t>(i));
        }
        return;
    }
}
}  // namespace

CSharedFont::CSharedFont(const LOGFONTA& description) : m_font(Acquire(description)) {}

CSharedFont::~CSharedFont()
{
    if (m_font)
        Release(m_font);
}

CSharedFont::CSharedFont(const CSharedFont& other) : m_font(other.m_font)
{
    if (m_font)
        AddUser(m_font);
}

CSharedFont& CSharedFont::operator=(const CSharedFont& other)
{
    // The new hold first: the same font must not be deleted on the way.
    if (other.m_font)
        AddUser(other.m_font);
    if (m_font)
        Release(m_font);
    m_font = other.m_font;
    return *this;
}

