#pragma once
#include "obraz.h"

// The interface pictures: the game screen frame, the menu background, the button sheet,
// the panels and windows, the mouse pointer and the two message-window pictures.
obraz rysuj_interfejs();
obraz rysuj_tlo_menu();
obraz rysuj_przyciski();
// A dark framed panel of the given size (menus and the message window).
obraz rysuj_panel(int szerokosc, int wysokosc, unsigned ziarno);
obraz rysuj_menu_w_grze();
obraz rysuj_kursor();
obraz rysuj_szynke();
obraz rysuj_monety();

// Shared pieces of the frames.
// A raised (wypukly) or sunken bevel of the given thickness around the box.
void faza(obraz& o, int x, int y, int sz, int wy, int grubosc, bool wypukly);
// Stone or parchment texture: the base colour varied by layered noise of strength sila.
void faktura(obraz& o, int x, int y, int sz, int wy, kolor_rgba baza, float sila, unsigned ziarno);
