// The adapter for the length of one command: opened without dropping its association, as
// the tray program's own start would, and closed again at the end.
#ifndef SKYLOOK_CTL_ADAPTER_SESSION_H
#define SKYLOOK_CTL_ADAPTER_SESSION_H

#include <iosfwd>

class CAdapterSession {
public:
    CAdapterSession();
    ~CAdapterSession();
    CAdapterSession(const CAdapterSession&) = delete;
    CAdapterSession& operator=(const CAdapterSession&) = delete;

    bool Usable() const { return m_usable; }

private:
    bool m_usable;
};

// The message for a command that needs the card and finds none.
void ReportNoCard(std::ostream& err);
// The message for a command that needs the radio and finds it off.
void ReportRadioOff(std::ostream& err);

#endif
