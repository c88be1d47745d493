#pragma once
// Castle sites of the four battlefields Pliki_danych/Mapy/map1.map .. map4.map, as written by
// gen_mapy: side 1 in the west (x1, y1), side 2 in the east (x2, y2). Each site is grass with
// grass all around it (two fields deep), and a land path joins the two sites.
struct miejsce_zamku {
  int x1, y1, x2, y2;
};

// Index 0 is map1, 3 is map4.
const miejsce_zamku MIEJSCA_ZAMKOW[4] = {
    {8, 30, 51, 30},
    {8, 14, 51, 46},
    {8, 46, 51, 14},
    {9, 30, 50, 30},
};
