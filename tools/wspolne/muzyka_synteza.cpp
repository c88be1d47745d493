#include "muzyka_synteza.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "obraz.h"

namespace {

const double PI = 3.14159265358979323846;
const int R = nagranie::CZESTOTLIWOSC;

double czestotliwosc_nuty(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Attack, decay, sustain level, release, in seconds; the note is held for czas.
float obwiednia(double t, double czas, double a, double d, double s, double r) {
  if (t < 0) return 0;
  double v;
  if (t < a) v = t / a;
  else if (t < a + d) v = 1.0 - (1.0 - s) * (t - a) / d;
  else v = s;
  if (t > czas) {
    double k = (t - czas) / r;
    if (k >= 1) return 0;
    double przy_puszczeniu = czas < a ? czas / a : (czas < a + d ? 1.0 - (1.0 - s) * (czas - a) / d : s);
    v = przy_puszczeniu * (1.0 - k);
  }
  return float(v);
}

std::vector<float> szarpniecie(double f, double czas, losowe& los) {
  // Karplus-Strong: a noise burst in a delay line that loses its high tones.
  int n = int((czas + 0.8) * R);
  int okres = std::max(2, int(R / f));
  std::vector<float> linia(okres), w(n);
  for (float& x : linia) x = float(los.ulamek() * 2 - 1);
  for (int i = 0, p = 0; i < n; ++i) {
    int q = (p + 1) % okres;
    float y = 0.498f * (linia[p] + linia[q]);
    w[i] = linia[p];
    linia[p] = y;
    p = q;
    if (i > czas * R) linia[p] *= 0.995f;
  }
  return w;
}

std::vector<float> flet(double f, double czas) {
  int n = int((czas + 0.3) * R);
  std::vector<float> w(n);
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double vib = 1.0 + 0.006 * std::sin(2 * PI * 5.2 * t) * std::min(1.0, t * 2);
    double faza = 2 * PI * f * t * vib;
    double ton = std::sin(faza) + 0.25 * std::sin(2 * faza) + 0.08 * std::sin(3 * faza);
    w[i] = float(ton * obwiednia(t, czas, 0.06, 0.1, 0.8, 0.2) * 0.7);
  }
  return w;
}

std::vector<float> mosiadz(double f, double czas) {
  int n = int((czas + 0.25) * R);
  std::vector<float> w(n);
  double filtr = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double e = obwiednia(t, czas, 0.04, 0.15, 0.7, 0.18);
    double pila = 0;
    for (int h = 1; h <= 8; ++h) pila += std::sin(2 * PI * f * h * t) / h;
    // The tone opens as the note swells, as a brass player's does.
    double k = 0.05 + 0.5 * e;
    filtr += k * (pila - filtr);
    w[i] = float(filtr * e * 0.5);
  }
  return w;
}

std::vector<float> plama(double f, double czas) {
  int n = int((czas + 1.0) * R);
  std::vector<float> w(n);
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double v = 0;
    for (double rozstrojenie : {0.997, 1.0, 1.004})
      v += std::sin(2 * PI * f * rozstrojenie * t) + 0.3 * std::sin(4 * PI * f * rozstrojenie * t);
    w[i] = float(v / 3.0 * obwiednia(t, czas, 0.5, 0.5, 0.8, 0.9) * 0.35);
  }
  return w;
}

std::vector<float> bas(double f, double czas) {
  int n = int((czas + 0.15) * R);
  std::vector<float> w(n);
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double v = std::sin(2 * PI * f * t) + 0.35 * std::sin(4 * PI * f * t) + 0.1 * std::sin(6 * PI * f * t);
    w[i] = float(v * obwiednia(t, czas, 0.01, 0.2, 0.7, 0.1) * 0.6);
  }
  return w;
}

std::vector<float> stopa() {
  int n = int(0.35 * R);
  std::vector<float> w(n);
  double faza = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    faza += 2 * PI * (45 + 110 * std::exp(-t * 30)) / R;
    w[i] = float(std::sin(faza) * std::exp(-t * 9));
  }
  return w;
}

std::vector<float> werbel(losowe& los) {
  int n = int(0.25 * R);
  std::vector<float> w(n);
  double poprz = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double szum = los.ulamek() * 2 - 1;
    double jasny = szum - poprz;
    poprz = szum;
    w[i] = float((0.6 * jasny * std::exp(-t * 18) + 0.4 * std::sin(2 * PI * 190 * t) * std::exp(-t * 25)));
  }
  return w;
}

std::vector<float> talerz(losowe& los, double zanik) {
  int n = int(0.12 * R);
  std::vector<float> w(n);
  double a = 0, b = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double s = los.ulamek() * 2 - 1;
    double hp = s - a;  // a bright, thin noise
    a = s;
    b = hp - b * 0.3;
    w[i] = float(b * std::exp(-t * zanik) * 0.35);
  }
  return w;
}

// Notes of the scale degree d (may be negative or above 6) in the key.
int stopien(const styl_utworu& s, int d) {
  static const int DUR[7] = {0, 2, 4, 5, 7, 9, 11};
  static const int MOL[7] = {0, 2, 3, 5, 7, 8, 10};
  const int* skala = s.moll ? MOL : DUR;
  int oktawa = d >= 0 ? d / 7 : -((-d + 6) / 7);
  int w = d - oktawa * 7;
  return s.tonika + 12 * oktawa + skala[w];
}

void echo(nagranie& n, float ilosc) {
  if (ilosc <= 0) return;
  const int opoznienia[3] = {int(0.113 * R), int(0.197 * R), int(0.291 * R)};
  for (int k = 0; k < 3; ++k) {
    float g = ilosc * (0.5f - 0.12f * k);
    int d = opoznienia[k];
    for (int i = n.dlugosc() - 1; i >= d; --i) {
      n.lewy[i] += g * n.prawy[i - d];
      n.prawy[i] += g * n.lewy[i - d];
    }
  }
}

// One pass of the loop, starting at time start (the same music every pass).
void zagraj_petle(const styl_utworu& s, nagranie& n, double start) {
  losowe los(s.ziarno);
  const double takt = 240.0 / s.tempo, beat = 60.0 / s.tempo;
  std::vector<float> k = stopa(), sn = werbel(los), hh = talerz(los, 60), hh_otw = talerz(los, 20);
  int poprzednia = 4;
  for (int t = 0; t < s.takty; ++t) {
    double t0 = start + t * takt;
    int akord = s.akordy[(t / 2) % 4];
    // Pad: the chord held through the bar.
    for (int g = 0; g < 3; ++g)
      n.dodaj(plama(czestotliwosc_nuty(stopien(s, akord + 2 * g) - 12), takt * 0.95), t0, 0.22f,
              g == 0 ? -0.4f : (g == 1 ? 0.0f : 0.4f));
    // Bass: root on the beats the style asks for.
    int nuty_basu = s.perkusja >= 2 ? 4 : 2;
    for (int b = 0; b < nuty_basu; ++b) {
      int nuta = stopien(s, akord) - 24 + ((b % 2 && s.perkusja == 3) ? 12 : 0);
      n.dodaj(bas(czestotliwosc_nuty(nuta), takt / nuty_basu * 0.8), t0 + b * takt / nuty_basu,
              0.55f, 0.0f);
    }
    if (s.arpeggio) {
      for (int i = 0; i < 8; ++i) {
        static const int WZOR[8] = {0, 2, 4, 7, 4, 2, 4, 7};
        int nuta = stopien(s, akord + WZOR[i]);
        n.dodaj(szarpniecie(czestotliwosc_nuty(nuta), beat * 0.5, los), t0 + i * beat / 2, 0.18f,
                (i % 2) ? 0.5f : -0.5f);
      }
    }
    // Melody: steps around the chord tones, a longer note at the end of each phrase.
    double poz = 0;
    while (poz < 4.0 - 1e-9) {
      double dl = (t % 4 == 3 && poz >= 2.0) ? 4.0 - poz : (los.ulamek() < 0.55 ? 0.5 : 1.0);
      if (poz + dl > 4.0) dl = 4.0 - poz;
      bool pauza = los.ulamek() < 0.12 && poz > 0;
      int cel = akord + 7 + 2 * los.zakres(0, 2);
      int krok = cel > poprzednia ? 1 : -1;
      int nuta = los.ulamek() < 0.6 ? poprzednia + krok * los.zakres(1, 2) : cel;
      if (nuta < akord + 4) nuta = akord + 7;
      if (nuta > akord + 13) nuta = akord + 9;
      poprzednia = nuta;
      if (!pauza) {
        double f = czestotliwosc_nuty(stopien(s, nuta));
        double czas = dl * beat * 0.9;
        if (s.prowadzacy == 0) n.dodaj(flet(f, czas), t0 + poz * beat, 0.32f, 0.1f);
        if (s.prowadzacy == 1) n.dodaj(mosiadz(f, czas), t0 + poz * beat, 0.36f, -0.1f);
        if (s.prowadzacy == 2) n.dodaj(szarpniecie(f, czas, los), t0 + poz * beat, 0.4f, 0.15f);
      }
      poz += dl;
    }
    // Drums.
    for (int b = 0; b < 8 && s.perkusja > 0; ++b) {
      double tb = t0 + b * beat / 2;
      bool na_bicie = b % 2 == 0;
      if (s.perkusja == 1) {
        if (b == 0 || b == 4) n.dodaj(k, tb, 0.35f, 0);
        if (na_bicie) n.dodaj(hh, tb, 0.12f, 0.3f);
      } else if (s.perkusja == 2) {
        if (b == 0 || b == 4) n.dodaj(k, tb, 0.6f, 0);
        if (b == 2 || b == 6) n.dodaj(sn, tb, 0.45f, -0.1f);
        if (b == 7) n.dodaj(sn, tb + beat / 4, 0.25f, -0.1f);
        n.dodaj(hh, tb, 0.15f, 0.3f);
      } else {
        if (b % 2 == 0 || b == 3) n.dodaj(k, tb, 0.7f, 0);
        if (b == 2 || b == 6) n.dodaj(sn, tb, 0.55f, -0.1f);
        n.dodaj(b == 7 ? hh_otw : hh, tb, 0.18f, 0.3f);
        n.dodaj(hh, tb + beat / 4, 0.1f, 0.3f);
      }
    }
  }
}

}  // namespace

nagranie::nagranie(double sekundy) : lewy(std::size_t(sekundy * CZESTOTLIWOSC)), prawy(lewy.size()) {}

void nagranie::dodaj(const std::vector<float>& d, double czas, float g, float pan) {
  int start = int(czas * CZESTOTLIWOSC);
  float gl = g * std::sqrt(0.5f * (1 - pan)), gp = g * std::sqrt(0.5f * (1 + pan));
  for (std::size_t i = 0; i < d.size(); ++i) {
    long j = start + long(i);
    if (j < 0 || j >= dlugosc()) continue;
    lewy[j] += gl * d[i];
    prawy[j] += gp * d[i];
  }
}

void nagranie::normalizuj(float szczyt) {
  float m = 1e-6f;
  for (int i = 0; i < dlugosc(); ++i) m = std::max({m, std::fabs(lewy[i]), std::fabs(prawy[i])});
  // A gentle limiter: the loudest moment reaches the peak level, quiet parts stay linear.
  const float k = 1.2f, skala = szczyt / std::tanh(k);
  for (int i = 0; i < dlugosc(); ++i) {
    lewy[i] = skala * std::tanh(k * lewy[i] / m);
    prawy[i] = skala * std::tanh(k * prawy[i] / m);
  }
}

nagranie komponuj(const styl_utworu& s) {
  const double petla = s.takty * 240.0 / s.tempo;
  // Three passes; the middle one is kept, so the tails of the one before ring into its
  // start exactly as its own tails ring into the next: a seamless loop.
  nagranie calosc(petla * 3);
  for (int p = 0; p < 3; ++p) zagraj_petle(s, calosc, p * petla);
  echo(calosc, s.poglos);
  nagranie wynik(petla);
  int od = int(petla * nagranie::CZESTOTLIWOSC);
  for (int i = 0; i < wynik.dlugosc(); ++i) {
    wynik.lewy[i] = calosc.lewy[od + i];
    wynik.prawy[i] = calosc.prawy[od + i];
  }
  wynik.normalizuj(0.85f);
  return wynik;
}

std::vector<unsigned char> koduj_mp3(const nagranie& n, int kbps) {
  lame_global_flags* l = lame_init();
  if (!l) return {};
  lame_set_in_samplerate(l, nagranie::CZESTOTLIWOSC);
  lame_set_out_samplerate(l, nagranie::CZESTOTLIWOSC);
  lame_set_num_channels(l, 2);
  lame_set_brate(l, kbps);
  lame_set_quality(l, 5);
  if (lame_init_params(l) < 0) {
    lame_close(l);
    return {};
  }
  std::vector<unsigned char> wynik(std::size_t(n.dlugosc() * 1.25 + 7200 + 65536));
  int a = lame_encode_buffer_ieee_float(l, n.lewy.data(), n.prawy.data(), n.dlugosc(), wynik.data(),
                                        int(wynik.size()));
  int b = a >= 0 ? lame_encode_flush(l, wynik.data() + a, int(wynik.size()) - a) : -1;
  lame_close(l);
  if (a < 0 || b < 0) return {};
  wynik.resize(std::size_t(a + b));
  return wynik;
}

std::vector<unsigned char> koduj_wav(const nagranie& n) {
  const std::uint32_t dane = std::uint32_t(n.dlugosc()) * 2;
  std::vector<unsigned char> w;
  auto slowo = [&](std::uint32_t v, int bajty) {
    for (int i = 0; i < bajty; ++i) w.push_back((v >> (8 * i)) & 0xFF);
  };
  auto tekst = [&](const char* t) { w.insert(w.end(), t, t + 4); };
  tekst("RIFF");
  slowo(36 + dane, 4);
  tekst("WAVE");
  tekst("fmt ");
  slowo(16, 4);
  slowo(1, 2);
  slowo(1, 2);
  slowo(nagranie::CZESTOTLIWOSC, 4);
  slowo(nagranie::CZESTOTLIWOSC * 2, 4);
  slowo(2, 2);
  slowo(16, 2);
  tekst("data");
  slowo(dane, 4);
  for (int i = 0; i < n.dlugosc(); ++i) {
    float v = std::max(-1.0f, std::min(1.0f, n.lewy[i]));
    slowo(std::uint32_t(std::int16_t(std::lrint(v * 32767))) & 0xFFFF, 2);
  }
  return w;
}

nagranie dzwiek_monet() {
  nagranie n(0.9);
  losowe los(77);
  // A few bright metallic pings falling on each other.
  const double czasy[] = {0.0, 0.07, 0.15, 0.21, 0.3};
  const double tony[] = {2637, 3136, 2349, 3520, 2794};
  for (int i = 0; i < 5; ++i) {
    std::vector<float> d(std::size_t(0.5 * nagranie::CZESTOTLIWOSC));
    for (std::size_t j = 0; j < d.size(); ++j) {
      double t = double(j) / nagranie::CZESTOTLIWOSC;
      d[j] = float((std::sin(2 * PI * tony[i] * t) + 0.5 * std::sin(2 * PI * tony[i] * 2.76 * t)) *
                   std::exp(-t * 12));
    }
    n.dodaj(d, czasy[i] + los.ulamek() * 0.01, 0.4f, 0);
  }
  n.normalizuj(0.7f);
  return n;
}

nagranie dzwiek_fanfary() {
  nagranie n(1.2);
  const int nuty[] = {62, 66, 69, 74};
  const double czasy[] = {0.0, 0.15, 0.3, 0.45};
  for (int i = 0; i < 4; ++i)
    n.dodaj(mosiadz(czestotliwosc_nuty(nuty[i]), i == 3 ? 0.5 : 0.12), czasy[i], 0.5f, 0);
  n.normalizuj(0.7f);
  return n;
}
