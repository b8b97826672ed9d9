#include "ui/linkinfo/StatisticsPage.h"

#include "ui/linkinfo/StatisticsPageIds.h"

CStatisticsPage::CStatisticsPage() : CPageBase(IDD_STATISTICS_PAGE) {}
