// What the tray shows for a status snapshot: the icon and the tooltip. Plain functions, so
// the choice can be checked without a tray.
#ifndef SKYLOOK_TRAY_PRESENTATION_H
#define SKYLOOK_TRAY_PRESENTATION_H

#include "adapter/AdapterStatus.h"

#include <windows.h>
#include <string>

// Older shells show a one-line tooltip, newer ones a two-line one.
enum class TooltipForm { Slash, TwoLine };

// The slash form for OS minor versions 4 and 10, the two-line form for every other.
TooltipForm TooltipFormFor(const OSVERSIONINFOA& version);

// "Skylook / <detail>" or "Skylook\n\r<detail>".
std::string TwoPartTooltip(TooltipForm form, const char* detail);

constexpr const char* PlainTooltip = "Skylook";

struct TrayPicture {
    int IconId;           // 0: this state chooses no icon, the last one stays
    std::string Tooltip;
};

// For every LinkState but -1 (no adapter, see NoCardPicture).
TrayPicture ChooseTrayPicture(const AdapterStatus& status, TooltipForm form);

TrayPicture NoCardPicture(TooltipForm form);

// The tooltip of a copy that does not manage the card: what the card does, then that another
// user's session manages it, on a line of its own (or after " / " in the slash form).
std::string ManagedElsewhereTooltip(TooltipForm form, const std::string& tooltip);
// The tooltip while something that is not Skylook's marker has the marker's name: that, in
// words, in place of what the card does, which does not fit beside it in the 127 characters
// a tray tooltip holds (the icon still shows the link).
std::string ForeignHolderTooltip(TooltipForm form);

// The signal level icon for a strength of 0..100 (infrastructure links).
int SignalIconId(int32_t signalStrength);

#endif
