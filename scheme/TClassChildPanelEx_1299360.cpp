#include "scheme/TClassChildPanelEx_1299360.h"

TClassChildPanelEx_1299360::TClassChildPanelEx_1299360(TControl* parent) : TablesPanel(parent) {
    TablesPanel.Left = 140;
    TablesPanel.Top = 0;
    TablesPanel.Width = 652;
    TablesPanel.Height = 573;
    TablesPanel.Align = Align::Client;
    TablesPanel.Color = 0xFF00000F;
    TablesPanel.Caption = "";
    TablesPanel.Init();

    View.SetWorkCount(6);
    View.Scheme = this;
}
