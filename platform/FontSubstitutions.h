#pragma once
// Faces named in files made on Windows are drawn with fonts installed here:
// the Song and Ming faces with Noto Serif CJK TC and AR PL UMing TW, the Hei
// faces with Noto Sans CJK TC, the Kai faces with AR PL UKai TW, and
// "System" and "MS Sans Serif" with the system's general font.
// Needs the GUI application to exist; call once at start-up.
void InstallFontSubstitutions();
