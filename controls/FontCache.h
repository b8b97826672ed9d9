// Fonts shared by every control of the process: one font per description, created when
// first asked for and deleted when its last user lets go. The pages ask for the same
// handful of fonts at every opening and for each of their labels and frames; creating them
// again each time was a large part of an opening.
#ifndef SKYLOOK_CONTROLS_FONT_CACHE_H
#define SKYLOOK_CONTROLS_FONT_CACHE_H

#include <windows.h>

// One user's hold on a shared font; copies hold it too.
class CSharedFont {
public:
    CSharedFont() = default;
    // The font of this description; null only when the system cannot create it.
    explicit CSharedFont(const LOGFONTA& description);
    ~CSharedFont();
    CSharedFont(const CSharedFont& other);
    CSharedFont& operator=(const CSharedFont& other);

    HFONT Get() const { return m_font; }
    operator HFONT() const { return m_font; }
    explicit operator bool() const { return m_font != nullptr; }

private:
    HFONT m_font = nullptr;
};

#endif
