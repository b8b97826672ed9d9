#include "TrayPresentation.h"

#include "protocol/MarkerDecision.h"
#include "res/resource.h"

TooltipForm TooltipFormFor(const OSVERSIONINFOA& version)
{
    return version.dwMinorVersion == 4 || version.dwMinorVersion == 10 ? TooltipForm::Slash : TooltipForm::TwoLine;
}

std::string TwoPartTooltip(TooltipForm form, const char* detail)
{
    return std::string(form == TooltipForm::Slash ? "Skylook / " : "Skylook\n\r") + detail;
}

int SignalIconId(int32_t signalStrength)
{
    if (signalStrength > 75)
        return IDI_SIGNAL_EXCELLENT;
    if (signalStrength > 50)
        return IDI_SIGNAL_GOOD;
    if (signalStrength > 25)
        return IDI_SIGNAL_FAIR;
    return IDI_SIGNAL_POOR;
}

TrayPicture ChooseTrayPicture(const AdapterStatus& status, TooltipForm form)
{
    switch (status.LinkState) {
    case LinkNotAssociated:
        return {IDI_NOT_CONNECTED, TwoPartTooltip(form, "No Connect")};
    case LinkRadioOff:
        // This one has no two-line form.
        return {IDI_NOT_CONNECTED, "Skylook / Radio Off"};
    case LinkAssociated:
    case LinkNotAssociatedAdHoc:
        if (status.NetworkMode == NetworkModeInfrastructure) {
            const char* detail =
                status.SignalStrength > 50 ? "Signal Strength : Good" : "Signal Strength : Poor";
            return {SignalIconId(status.SignalStrength), TwoPartTooltip(form, detail)};
        }
        return {IDI_SIGNAL_EXCELLENT, TwoPartTooltip(form, "Ad-Hoc")};
    default:
        return {0, PlainTooltip};
    }
}

TrayPicture NoCardPicture(TooltipForm form)
{
    return {IDI_NO_CARD, TwoPartTooltip(form, "No Card Found")};
}

std::string ManagedElsewhereTooltip(TooltipForm form, const std::string& tooltip)
{
    return tooltip + (form == TooltipForm::Slash ? " / " : "\n\r") + "Managed in another user's session";
}

std::string ForeignHolderTooltip(TooltipForm form)
{
    return TwoPartTooltip(form, ForeignMarkerHolderText);
}
