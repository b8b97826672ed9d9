#ifndef SKYLOOK_UI_STATISTICSPAGE_H
#define SKYLOOK_UI_STATISTICSPAGE_H

#include "ConfigPage.h"
#include "res/dialog_ids.h"

// Created hidden with the other pages and never shown.
class CStatisticsPage : public CConfigPageBase {
public:
    CStatisticsPage() : CConfigPageBase(IDD_STATISTICS_PAGE) {}
};

#endif
