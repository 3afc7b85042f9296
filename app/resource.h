#pragma once

// The program's own resource numbers. Plain macros, so that the resource
// script can include them too.
#define IDD_ABOUTBOX 100
#define IDD_DRAVEL03_FORM 101
#define IDR_MAINFRAME 128
#define IDR_DRAVELTYPE 129
