#include "ProfileDlg.h"

#include "ProfileDlgIds.h"

CProfileDlg::CProfileDlg() : CDialog(IDD_PROFILE_DIALOG) {}

CProfileDlg::~CProfileDlg() = default;
