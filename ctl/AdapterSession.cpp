#include "ctl/AdapterSession.h"

#include "adapter/AdapterLifetime.h"

#include <cstdlib>
#include <ctime>
#include <ostream>

CAdapterSession::CAdapterSession()
{
    // The status and scan figures draw their jitter from this generator.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    m_usable = OpenUsableAdapter();
}

CAdapterSession::~CAdapterSession()
{
    // An adapter found unusable has been closed already.
    if (m_usable)
        CloseAdapterAtEnd();
}

void ReportNoCard(std::ostream& err)
{
    err << "skylookctl: no wireless adapter found. Insert the card (or check its driver) and try again.\n";
}

void ReportRadioOff(std::ostream& err)
{
    err << "skylookctl: the radio is off. Switch it on (the switch on the card, or the radio button in\n"
           "Skylook's Link Info page) and try again.\n";
}
