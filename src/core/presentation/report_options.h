#pragma once
// The report sections and options chosen on the "prn / file" page.

namespace quorel {

struct ReportOptions {
    bool description = true;    // CheckBox1
    bool parameters = false;    // CheckBox2
    bool remarks = false;       // CheckBox3
    bool resultSheet = false;   // CheckBox4
    bool ecg = false;           // CheckBox5
    bool allPages = false;      // RadioButtonALL; RadioButtonCUR prints the scan step shown now
    bool outlinedDots = false;  // RadioButton14 "font2"; RadioButton13 "font1" fills the dots
};

}  // namespace quorel
