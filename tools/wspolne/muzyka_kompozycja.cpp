#include "muzyka_kompozycja.h"

#include <algorithm>
#include <cmath>

#include "obraz.h"

namespace {

const int R = nagranie::CZESTOTLIWOSC;

double czestotliwosc_nuty(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Chord progressions as scale degrees, one chord a bar.
const int HEROICZNY[8] = {0, 5, 3, 4, 0, 3, 4, 0};   // I vi IV V I IV V I
const int MROCZNY[8] = {0, 5, 6, 4, 0, 3, 4, 0};     // i VI VII v i iv v i
const int SPOKOJNY[8] = {0, 3, 0, 4, 0, 3, 4, 0};    // I IV I V I IV V I
const int TAJEMNICZY[8] = {0, 6, 5, 4, 0, 5, 6, 0};  // i VII VI v i VI VII i
const int MAJESTAT[8] = {0, 4, 5, 4, 3, 0, 4, 0};    // I V vi V IV I V I
const int SMUTNY[8] = {0, 3, 6, 2, 5, 3, 4, 0};      // i iv VII III VI iv v i
const int KONTRAST[8] = {3, 0, 4, 5, 3, 0, 1, 4};    // IV I V vi IV I ii V
const int WEDROWKA[8] = {5, 3, 0, 4, 5, 6, 3, 4};    // vi IV I V vi VII IV V

// The melody's rhythms: the lengths in beats of one bar's notes, 0 ends the row.
const double RYTMY[8][8] = {
    {1, 1, 1, 1, 0},
    {1.5, 0.5, 1, 1, 0},
    {0.5, 0.5, 1, 0.5, 0.5, 1, 0},
    {2, 1, 1, 0},
    {1, 0.5, 0.5, 2, 0},
    {0.75, 0.25, 1, 0.75, 0.25, 1, 0},
    {3, 1, 0},
    {0.5, 0.5, 0.5, 0.5, 1, 1, 0},
};
// The bar that closes a phrase: fewer, longer notes.
const double KADENCJE[3][4] = {{2, 2, 0}, {3, 1, 0}, {1, 3, 0}};

struct tonacja {
  int tonika;
  bool moll;
  // The MIDI note of scale degree d (any integer; 7 is the octave).
  int nuta(int d) const {
    static const int DUR[7] = {0, 2, 4, 5, 7, 9, 11};
    static const int MOL[7] = {0, 2, 3, 5, 7, 8, 10};
    int oktawa = d >= 0 ? d / 7 : -((-d + 6) / 7);
    return tonika + 12 * oktawa + (moll ? MOL : DUR)[d - oktawa * 7];
  }
};

int mod7(int d) { return ((d % 7) + 7) % 7; }

bool czy_skladnik(int d, int akord) {
  int r = mod7(d - akord);
  return r == 0 || r == 2 || r == 4;
}

// The chord tone nearest to d (the root only, when tylko_pryma).
int najblizszy_skladnik(int d, int akord, bool tylko_pryma) {
  for (int odl = 0; odl < 7; ++odl)
    for (int z : {d - odl, d + odl})
      if (tylko_pryma ? mod7(z - akord) == 0 : czy_skladnik(z, akord)) return z;
  return d;
}

// Keeps the melody within a tenth or so, turning back at the edges.
int w_skali(int d) {
  if (d > 10) return 20 - d;
  if (d < -3) return -6 - d;
  return d;
}

int ile_nut(const double* rytm) {
  int n = 0;
  while (n < 8 && rytm[n] > 0) ++n;
  return n;
}

struct nuta_melodii {
  double beat;   // from the part's start
  double dlugosc;
  int stopien;
};

// The theme of a part: a motif of two bars, its sequence and a closing bar make a phrase of
// four bars; a question and its answer make a period of eight. Parts with the same motif
// seed share the theme.
std::vector<nuta_melodii> melodia(const czesc_utworu& c, std::uint32_t ziarno) {
  losowe los(ziarno * 7919u + std::uint32_t(c.motyw) * 104729u);
  const double* r1 = RYTMY[c.rytm % 8];
  const double* r2 = RYTMY[(c.rytm + 1 + los.zakres(0, 2)) % 8];
  const double* rk = KADENCJE[los.zakres(0, 2)];
  std::vector<int> kontur;  // degrees of the motif's notes before they meet the chords
  int d = std::vector<int>{0, 2, 4}[std::size_t(los.zakres(0, 2))];
  for (int i = 0; i < ile_nut(r1) + ile_nut(r2); ++i) {
    kontur.push_back(d);
    double u = los.ulamek();
    int krok = u < 0.3 ? 1 : u < 0.6 ? -1 : u < 0.75 ? 2 : u < 0.9 ? -2 : u < 0.95 ? 4 : -3;
    d = w_skali(d + krok);
  }
  const int sekwencja[2] = {los.zakres(0, 1) ? 1 : 2, los.zakres(0, 1) ? -1 : 3};
  std::vector<nuta_melodii> w;
  int poprzedni = kontur[0];
  for (int takt = 0; takt < c.takty; ++takt) {
    const int akord = c.akordy[takt % 8], w_frazie = takt % 4, fraza = takt / 4;
    const bool odpowiedz = fraza % 2 == 1;
    const double* rytm = w_frazie == 3 ? rk : (w_frazie == 1 ? r2 : r1);
    double beat = 0;
    for (int i = 0; i < ile_nut(rytm); ++i) {
      int st;
      if (w_frazie == 3) {
        // Toward the close: a step above it, then the close itself (the root in an answer).
        int cel = najblizszy_skladnik(poprzedni, akord, odpowiedz);
        st = i + 1 == ile_nut(rytm) ? cel : w_skali(cel + 1);
      } else {
        int z = w_frazie == 1 ? ile_nut(r1) + i : i;
        st = w_skali(kontur[std::size_t(z)] + (w_frazie == 2 ? sekwencja[fraza % 2] : 0));
        if (std::fmod(beat, 2.0) == 0.0) st = najblizszy_skladnik(st, akord, false);
      }
      w.push_back({takt * 4 + beat, rytm[i], st});
      poprzedni = st;
      beat += rytm[i];
    }
  }
  return w;
}

struct partytura {
  std::vector<zdarzenie>& nuty;
  double sekundy_na_beat;
  std::uint32_t ziarno;
  void dodaj(double beat, double beaty, instrument co, int midi, float g, float pan) {
    long start = std::lround(beat * sekundy_na_beat * R);
    nuty.push_back({start, beaty * sekundy_na_beat, co, czestotliwosc_nuty(midi), g, pan,
                    ziarno + std::uint32_t(nuty.size()) * 2654435761u});
  }
};

// Loudness of each instrument in the mix, in the order of the enumeration.
const float GLOS[] = {0.30f, 0.28f, 0.40f, 0.15f, 0.50f, 0.50f, 0.24f, 0.55f, 0.60f, 0.42f, 0.12f, 0.16f};
float glos(instrument i) { return GLOS[int(i)]; }

void akompaniament(partytura& p, const czesc_utworu& c, const tonacja& t, double b0, int takt) {
  const int akord = c.akordy[takt % 8];
  const float plama_g = c.akompaniament == 0 ? 1.0f : 0.6f;
  for (int g = 0; g < 3; ++g)
    p.dodaj(b0, 3.8, instrument::plama, t.nuta(akord + 2 * g) - 12, glos(instrument::plama) * plama_g,
            -0.4f + 0.4f * g);
  static const int ROZLOZONY[8] = {0, 2, 4, 7, 4, 2, 4, 7};
  switch (c.akompaniament) {
    case 1:
      for (int i = 0; i < 8; ++i)
        p.dodaj(b0 + 0.5 * i, 0.5, instrument::struna, t.nuta(akord + ROZLOZONY[i]) - 12,
                glos(instrument::struna) * 0.45f, (i % 2) ? 0.45f : -0.45f);
      break;
    case 2:
      for (double b : {0.0, 1.5, 2.0, 3.0})
        for (int g = 0; g < 3; ++g)
          p.dodaj(b0 + b + 0.02 * g, 0.9, instrument::struna, t.nuta(akord + 2 * g) - 12,
                  glos(instrument::struna) * (b == 0.0 ? 0.4f : 0.3f), 0.3f);
      break;
    case 3:
      for (int i = 0; i < 8; ++i)
        p.dodaj(b0 + 0.5 * i, 0.4, instrument::smyczek, t.nuta(akord + (i % 4 == 2 ? 4 : 0)) - 12,
                glos(instrument::smyczek) * (i % 2 ? 0.45f : 0.6f), -0.3f);
      break;
    case 4:
      p.dodaj(b0, 2, instrument::dzwon, t.nuta(akord + 7), glos(instrument::dzwon), 0.35f);
      p.dodaj(b0 + 2, 2, instrument::dzwon, t.nuta(akord + 9), glos(instrument::dzwon) * 0.7f, -0.35f);
      break;
    default:
      break;
  }
}

void bas_i_perkusja(partytura& p, const czesc_utworu& c, const tonacja& t, double b0, int takt) {
  const int akord = c.akordy[takt % 8], pryma = t.nuta(akord) - 24, kwinta = t.nuta(akord + 4) - 24;
  const bool ostatni = takt + 1 == c.takty;
  const float gb = glos(instrument::bas);
  switch (c.perkusja) {
    case 2:
      for (int b = 0; b < 4; ++b) p.dodaj(b0 + b, 0.8, instrument::bas, b % 2 ? kwinta : pryma, gb, 0);
      break;
    case 3:
      for (int b = 0; b < 8; ++b)
        p.dodaj(b0 + 0.5 * b, 0.4, instrument::bas, pryma + (b % 2 ? 12 : 0), gb * 0.85f, 0);
      break;
    default:
      p.dodaj(b0, 1.8, instrument::bas, pryma, gb, 0);
      p.dodaj(b0 + 2, 1.8, instrument::bas, c.perkusja == 1 ? kwinta : pryma, gb * 0.9f, 0);
      break;
  }
  const float gs = glos(instrument::stopa), gw = glos(instrument::werbel), gt = glos(instrument::talerz);
  if (takt == 0 && (c.perkusja == 2 || c.perkusja == 3))
    p.dodaj(b0, 1, instrument::talerz_otwarty, 0, glos(instrument::talerz_otwarty), 0.2f);
  for (int b = 0; b < 8; ++b) {
    const double tb = b0 + 0.5 * b;
    switch (c.perkusja) {
      case 1:
        if (b == 0 || b == 4) p.dodaj(tb, 0.5, instrument::stopa, 0, gs * 0.6f, 0);
        if (b % 2 == 0) p.dodaj(tb, 0.5, instrument::talerz, 0, gt * 0.8f, 0.3f);
        break;
      case 2:
        if (b == 0 || b == 4) p.dodaj(tb, 0.5, instrument::stopa, 0, gs, 0);
        if (b == 2 || b == 6) p.dodaj(tb, 0.5, instrument::werbel, 0, gw, -0.1f);
        if (b == 7) p.dodaj(tb + 0.25, 0.25, instrument::werbel, 0, gw * 0.5f, -0.1f);
        p.dodaj(tb, 0.5, instrument::talerz, 0, gt, 0.3f);
        break;
      case 3:
        if (b % 2 == 0 || b == 3) p.dodaj(tb, 0.5, instrument::stopa, 0, gs, 0);
        if (b == 2 || b == 6) p.dodaj(tb, 0.5, instrument::werbel, 0, gw, -0.1f);
        p.dodaj(tb, 0.5, b == 7 ? instrument::talerz_otwarty : instrument::talerz, 0,
                b == 7 ? gt : gt * 1.1f, 0.3f);
        break;
      case 4:
        if (b == 0) p.dodaj(tb, 1, instrument::kociol, t.tonika - 24, glos(instrument::kociol), 0);
        if (b == 4 && takt % 2) p.dodaj(tb, 1, instrument::kociol, t.tonika - 17, glos(instrument::kociol) * 0.7f, 0);
        break;
      default:
        break;
    }
  }
  // A roll into the next part.
  if (ostatni && c.perkusja >= 2)
    for (int i = 0; i < 8; ++i)
      p.dodaj(b0 + 2 + 0.25 * i, 0.25, c.perkusja == 4 ? instrument::kociol : instrument::werbel,
              t.tonika - 24, (c.perkusja == 4 ? glos(instrument::kociol) : gw) * (0.3f + 0.08f * i), -0.1f);
}

void czesc(partytura& p, const styl_utworu& s, const czesc_utworu& c, double b0) {
  const tonacja t{s.tonika + c.przesuniecie, c.moll};
  for (int takt = 0; takt < c.takty; ++takt) {
    akompaniament(p, c, t, b0 + 4 * takt, takt);
    bas_i_perkusja(p, c, t, b0 + 4 * takt, takt);
  }
  const tonacja glos_t{t.tonika + 12 * (1 + c.oktawa), c.moll};
  for (const nuta_melodii& n : melodia(c, s.ziarno)) {
    const double czas = n.dlugosc * (n.dlugosc >= 2 ? 0.95 : 0.88);
    p.dodaj(b0 + n.beat, czas, c.prowadzacy, glos_t.nuta(n.stopien), glos(c.prowadzacy), 0.1f);
    if (c.wtor)
      p.dodaj(b0 + n.beat, czas, c.prowadzacy, glos_t.nuta(n.stopien - 2), glos(c.prowadzacy) * 0.55f, -0.25f);
  }
}

// Echo taps: delay in seconds and strength; each crosses to the other channel.
const double ECHO[4][2] = {{0.113, 0.45}, {0.197, 0.33}, {0.291, 0.24}, {0.41, 0.16}};
const long ECHO_ZASIEG = long(0.41 * R) + 1;

}  // namespace

long dlugosc_utworu(const styl_utworu& s) {
  int takty = 0;
  for (const czesc_utworu& c : s.czesci) takty += c.takty;
  return std::lround(takty * 4 * 60.0 / s.tempo * R);
}

std::vector<zdarzenie> rozpisz(const styl_utworu& s) {
  std::vector<zdarzenie> nuty;
  partytura p{nuty, 60.0 / s.tempo, s.ziarno};
  double beat = 0;
  for (const czesc_utworu& c : s.czesci) {
    czesc(p, s, c, beat);
    beat += 4 * c.takty;
  }
  return nuty;
}

nagranie komponuj(const styl_utworu& s, double sekundy) {
  const long L = dlugosc_utworu(s);
  const long koniec = sekundy > 0 ? std::min(L, std::lround(sekundy * R)) : L;
  // The dry mix from ECHO_ZASIEG before the start on; the loop's end rings into its start
  // as the pass before it would.
  const long od = -ECHO_ZASIEG, dlugosc = koniec - od;
  std::vector<float> suche[2] = {std::vector<float>(std::size_t(dlugosc)), std::vector<float>(std::size_t(dlugosc))};
  for (const zdarzenie& z : rozpisz(s)) {
    std::vector<float> d;
    for (long przesuniecie : {-L, 0L}) {
      const long t0 = z.start + przesuniecie;
      if (t0 >= koniec || t0 + dlugosc_dzwieku(z) <= od) continue;
      if (d.empty()) d = zagraj(z);
      const float gl = z.glosnosc * std::sqrt(0.5f * (1 - z.panorama));
      const float gp = z.glosnosc * std::sqrt(0.5f * (1 + z.panorama));
      for (long i = std::max(0L, od - t0); i < long(d.size()) && t0 + i < koniec; ++i) {
        suche[0][std::size_t(t0 + i - od)] += gl * d[std::size_t(i)];
        suche[1][std::size_t(t0 + i - od)] += gp * d[std::size_t(i)];
      }
    }
  }
  nagranie wynik(0);
  wynik.lewy.resize(std::size_t(koniec));
  wynik.prawy.resize(std::size_t(koniec));
  std::vector<float>* kanaly[2] = {&wynik.lewy, &wynik.prawy};
  for (int k = 0; k < 2; ++k)
    for (long i = 0; i < koniec; ++i) {
      float v = suche[k][std::size_t(i - od)];
      for (int e = 0; e < 4; ++e) {
        long j = i - std::lround(ECHO[e][0] * R) - od;
        v += s.poglos * float(ECHO[e][1]) * suche[(k + e + 1) % 2][std::size_t(j)];
      }
      // Level, and a soft limit above 0.75 that never reaches full scale.
      v *= s.glosnosc;
      float a = std::fabs(v);
      if (a > 0.75f) v = std::copysign(0.75f + 0.2f * std::tanh((a - 0.75f) / 0.2f), v);
      (*kanaly[k])[std::size_t(i)] = v;
    }
  return wynik;
}

const std::vector<utwor_gry>& utwory_gry() {
  using I = instrument;
  static const std::vector<utwor_gry> UTWORY = {
      {"walka.mp3", {"blue battle", 101, 132, 62,
                     {{16, 0, false, HEROICZNY, I::mosiadz, 1, 5, 0, 3, 3, false},
                      {8, -3, true, WEDROWKA, I::smyczek, 2, 3, 0, 1, 4, false},
                      {16, 0, false, HEROICZNY, I::mosiadz, 1, 5, 0, 3, 3, true}},
                     0.25f, 1.0f}},
      {"walka_2.mp3", {"gold battle", 202, 124, 57,
                       {{16, 0, true, MROCZNY, I::smyczek, 1, 7, 0, 3, 3, false},
                        {8, 3, false, KONTRAST, I::mosiadz, 2, 5, 0, 0, 4, true},
                        {16, 0, true, MROCZNY, I::smyczek, 1, 7, 0, 3, 3, true}},
                       0.3f, 1.0f}},
      {"menu.mp3", {"title", 303, 84, 60,
                    {{8, 0, false, MAJESTAT, I::flet, 1, 3, 0, 4, 0, false},
                     {8, -3, true, SMUTNY, I::smyczek, 2, 1, 0, 1, 1, false},
                     {8, 0, false, MAJESTAT, I::mosiadz, 1, 3, -1, 0, 4, true}},
                    0.45f, 1.0f}},
      {"1.mp3", {"pastoral", 401, 96, 65,
                 {{16, 0, false, SPOKOJNY, I::flet, 1, 1, 0, 1, 1, false},
                  {8, -3, true, WEDROWKA, I::struna, 2, 2, 0, 0, 0, false},
                  {8, 0, false, SPOKOJNY, I::flet, 1, 1, 0, 1, 1, true}},
                 0.35f, 1.0f}},
      {"2.mp3", {"march", 402, 112, 58,
                 {{16, 0, false, HEROICZNY, I::mosiadz, 1, 5, 0, 0, 2, false},
                  {8, 5, false, KONTRAST, I::flet, 2, 1, 0, 1, 1, false},
                  {16, 0, false, HEROICZNY, I::mosiadz, 1, 5, 0, 2, 2, true}},
                 0.2f, 1.0f}},
      {"3.mp3", {"mystery", 403, 76, 62,
                 {{8, 0, true, TAJEMNICZY, I::dzwon, 1, 6, 0, 0, 0, false},
                  {8, 3, false, KONTRAST, I::flet, 2, 3, 0, 1, 0, false},
                  {8, 0, true, TAJEMNICZY, I::smyczek, 1, 6, -1, 4, 0, true}},
                 0.55f, 1.0f}},
      {"4.mp3", {"festival", 404, 128, 67,
                 {{16, 0, false, SPOKOJNY, I::struna, 1, 2, 0, 2, 2, false},
                  {8, 5, false, KONTRAST, I::flet, 2, 4, 0, 1, 1, false},
                  {16, 0, false, SPOKOJNY, I::struna, 1, 2, 0, 2, 2, true}},
                 0.2f, 1.0f}},
      {"5.mp3", {"lament", 405, 66, 57,
                 {{8, 0, true, SMUTNY, I::smyczek, 1, 6, 0, 0, 0, false},
                  {8, 3, false, KONTRAST, I::flet, 2, 3, 0, 1, 0, false},
                  {8, 0, true, SMUTNY, I::smyczek, 1, 6, 0, 4, 0, true}},
                 0.5f, 1.0f}},
      {"6.mp3", {"tavern", 406, 138, 64,
                 {{16, 0, false, HEROICZNY, I::struna, 1, 7, 0, 2, 1, false},
                  {8, 5, false, KONTRAST, I::flet, 2, 2, 0, 1, 2, false},
                  {16, 0, false, HEROICZNY, I::struna, 1, 7, 0, 2, 1, true}},
                 0.15f, 1.0f}},
      {"7.mp3", {"night", 407, 70, 55,
                 {{8, 0, true, MROCZNY, I::flet, 1, 3, 0, 4, 0, false},
                  {8, 3, false, WEDROWKA, I::smyczek, 2, 6, -1, 0, 0, false},
                  {8, 0, true, MROCZNY, I::flet, 1, 3, 0, 1, 0, true}},
                 0.6f, 1.0f}},
      {"8.mp3", {"hymn", 408, 80, 63,
                 {{8, 0, false, MAJESTAT, I::mosiadz, 1, 0, -1, 0, 4, true},
                  {8, -3, true, SMUTNY, I::smyczek, 2, 3, 0, 3, 0, false},
                  {8, 0, false, MAJESTAT, I::mosiadz, 1, 0, -1, 4, 4, true}},
                 0.5f, 1.0f}},
      {"9.mp3", {"skirmish", 409, 150, 59,
                 {{16, 0, true, MROCZNY, I::struna, 1, 7, 0, 3, 3, false},
                  {8, 3, false, HEROICZNY, I::mosiadz, 2, 5, -1, 1, 4, false},
                  {16, 0, true, MROCZNY, I::smyczek, 1, 7, 0, 3, 3, true}},
                 0.2f, 1.0f}},
  };
  return UTWORY;
}
