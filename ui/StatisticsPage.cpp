#include "StatisticsPage.h"

#include "StatisticsPageIds.h"

CStatisticsPage::CStatisticsPage() : CPageBase(IDD_STATISTICS_PAGE) {}
