#include "ApplySettings.h"

#include "AdapterHandle.h"
#include "ClientCertificate.h"
#include "record/RateTable.h"

#include <windows.h>

#include <cstring>

namespace {

// NDIS 802.11 numbering as the library takes it.
constexpr unsigned long NdisAuthWpa = 3;
constexpr unsigned long NdisAuthWpaPsk = 4;
constexpr unsigned long NdisEncryptionTkip = 4;
constexpr unsigned long NdisInfrastructure = 1;
constexpr unsigned long WpaMethodPsk = 2;
constexpr unsigned long WpaMethodTls = 5;
constexpr unsigned long WpaVersion = 2;

// Copies a fixed-size text field and terminates it, so that a record that arrived without
// a terminator cannot make the library read past the field.
template <size_t N>
struct FieldText {
    char Text[N];
    explicit FieldText(const char (&field)[N])
    {
        std::memcpy(Text, field, N - 1);
        Text[N - 1] = '\0';
    }
    unsigned long Length() const { return static_cast<unsigned long>(std::strlen(Text)); }
};

void SetSsid(const FieldText<sizeof(AdapterSettings::DesiredSSID)>& ssid)
{
    Vexa5200SetSsid(AdapterHandle, ssid.Text, ssid.Length(), 0);
}

unsigned long RateCode(const AdapterSettings& settings)
{
    return RateCodeForIndex(settings.DataRate[0]);
}

void PushWepKeys(const AdapterSettings& settings)
{
    const unsigned char* keys[4] = {settings.WepKey1, settings.WepKey2, settings.WepKey3, settings.WepKey4};
    // A size read back from the registry may be anything; the key fields hold 128 bytes.
    unsigned long length = settings.WepKeySize;
    if (length > sizeof(settings.WepKey1))
        length = sizeof(settings.WepKey1);

    for (unsigned long index = 1; index <= 4; ++index) {
        const unsigned long transmit = (index - 1 == settings.TxWepKey) ? 1 : 0;
        Vexa5200SetWepKey(AdapterHandle, index, keys[index - 1], length, transmit);
    }
    // The transmit key once more, so that it is the one in use whatever the card did with
    // the flags of the others.
    if (settings.TxWepKey <= 3)
        Vexa5200SetWepKey(AdapterHandle, settings.TxWepKey + 1, keys[settings.TxWepKey], length, 1);
}

}  // namespace

void SleepMilliseconds(unsigned long milliseconds)
{
    Sleep(milliseconds);
}

void ApplyPendingSettings(const AdapterSettings& settings)
{
    switch (settings.AuthMode) {
    case AuthModeOpen:
    case AuthModeShared:
        ApplySettings(settings);
        break;
    case AuthModeWpaPsk:
        ApplyPskSettings(settings);
        break;
    case AuthModeWpa:
        ApplyTlsSettings(settings);
        break;
    default:
        break;
    }
}

void ApplySettings(const AdapterSettings& settings)
{
    Vexa5200Scan(AdapterHandle);

    if (settings.ApplyScope == ApplyScopeSecurity || settings.ApplyScope == ApplyScopeAll) {
        Vexa5200SetAuthMode(AdapterHandle, settings.AuthMode);
        Vexa5200SetWepStatus(AdapterHandle, settings.WepStatus);
        if (settings.WepStatus == WepStatusOn)
            PushWepKeys(settings);
    }

    if (settings.ApplyScope == ApplyScopeNetwork || settings.ApplyScope == ApplyScopeAll) {
        Vexa5200SetNetworkMode(AdapterHandle, settings.NetworkMode);
        Vexa5200SetChannel(AdapterHandle, settings.Channel);
        Vexa5200SetDataRate(AdapterHandle, RateCode(settings));
        Vexa5200SetPowerMode(AdapterHandle, settings.PowerMode);
        Vexa5200SetPreamble(AdapterHandle, settings.Preamble + PreambleExternalBase);
        SetSsid(FieldText(settings.DesiredSSID));
    }
}

void ApplyPskSettings(const AdapterSettings& settings)
{
    Vexa5200Scan(AdapterHandle);

    const FieldText passphrase(settings.PskPassphrase);
    const FieldText ssid(settings.DesiredSSID);

    Vexa5200SetAuthMode(AdapterHandle, NdisAuthWpaPsk);
    Vexa5200SetFswCCXNetworkEap(AdapterHandle, 0);
    Vexa5200SetWPAInformation(AdapterHandle, WpaMethodPsk, WpaVersion, passphrase.Text, ssid.Text);
    Vexa5200SetWepStatus(AdapterHandle, NdisEncryptionTkip);
    Vexa5200SetPowerMode(AdapterHandle, settings.PowerMode);
    Vexa5200SetPreamble(AdapterHandle, settings.Preamble + PreambleExternalBase);
    Vexa5200SetDataRate(AdapterHandle, RateCode(settings));
    Vexa5200SetNetworkMode(AdapterHandle, NdisInfrastructure);
    Vexa5200SetChannel(AdapterHandle, settings.Channel);
    SetSsid(ssid);
}

void ApplyTlsSettings(const AdapterSettings& settings, ApplyWaitFunction wait)
{
    const FieldText loginName(settings.WPALoginName);
    const FieldText ssid(settings.DesiredSSID);

    unsigned char thumbprint[CertificateThumbprintSize];
    FindCertificateThumbprint(loginName.Text, thumbprint);

    Vexa5200WPAPortDown(AdapterHandle);
    Vexa5200SetAuthMode(AdapterHandle, NdisAuthWpa);
    Vexa5200SetFswCCXNetworkEap(AdapterHandle, 0);
    Vexa5200WPACreateIdentityTLS(loginName.Text, thumbprint);
    Vexa5200SetWPAInformation(AdapterHandle, WpaMethodTls, WpaVersion, "", ssid.Text);
    Vexa5200SetWepStatus(AdapterHandle, NdisEncryptionTkip);
    Vexa5200SetNetworkMode(AdapterHandle, NdisInfrastructure);
    SetSsid(ssid);

    // The 802.1X exchange runs in the driver; give it time before the next status query.
    (wait ? wait : SleepMilliseconds)(TlsSettleMilliseconds);
}
