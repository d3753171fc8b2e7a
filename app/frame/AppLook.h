#pragma once
// The window looks 210 to 218 as Qt styles and palettes. Cosmetic only: the
// chosen id is what is kept (g_AppLook, profile "ApplicationLook").
// Applies look id (an id outside 210..218 counts as the default, 214).
void ApplyAppLook(int id);
