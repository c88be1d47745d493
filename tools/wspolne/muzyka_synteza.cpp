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

std::vector<float> smyczek(double f, double czas) {
  // Three slightly detuned bowed strings: a soft saw that opens with the bow, with vibrato.
  int n = int((czas + 0.35) * R);
  std::vector<float> w(n);
  double filtr = 0, filtr2 = 0;
  const double rozstrojenia[3] = {0.996, 1.0, 1.0035};
  double fazy[3] = {0.0, 2.1, 4.2};
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double e = obwiednia(t, czas, 0.12, 0.2, 0.85, 0.3);
    double vib = 1.0 + 0.004 * std::sin(2 * PI * 5.5 * t) * std::min(1.0, t * 1.5);
    double v = 0;
    for (int g = 0; g < 3; ++g) {
      fazy[g] += 2 * PI * f * rozstrojenia[g] * vib / R;
      for (int h = 1; h <= 6; ++h) v += std::sin(h * fazy[g]) / (h * 1.4);
    }
    double k = 0.08 + 0.25 * e;
    filtr += k * (v - filtr);
    filtr2 += k * (filtr - filtr2);
    w[i] = float(filtr2 * e * 0.22);
  }
  return w;
}

std::vector<float> dzwon(double f, double czas) {
  // A small bell: a few inharmonic partials that fade at their own pace.
  const double czesci[4][3] = {{1.0, 1.0, 1.6}, {2.01, 0.45, 2.6}, {2.76, 0.3, 3.6}, {5.4, 0.12, 6.0}};
  int n = int((czas + 2.5) * R);
  std::vector<float> w(n);
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    double v = 0;
    for (const auto& c : czesci) v += c[1] * std::sin(2 * PI * f * c[0] * t) * std::exp(-t * c[2]);
    w[i] = float(v * std::min(1.0, t * 400) * 0.45);
  }
  return w;
}

std::vector<float> kociol(double f, losowe& los) {
  // A kettle drum: a low tone that sinks a little as it fades, with the skin's thud.
  int n = int(1.4 * R);
  std::vector<float> w(n);
  double faza = 0, szum = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / R;
    faza += 2 * PI * f * (1.0 + 0.06 * std::exp(-t * 8)) / R;
    szum += 0.08 * ((los.ulamek() * 2 - 1) - szum);
    double ton = std::sin(faza) + 0.35 * std::sin(1.5 * faza) + 0.2 * std::sin(1.98 * faza);
    w[i] = float((ton * std::exp(-t * 2.8) + 1.5 * szum * std::exp(-t * 30)) * 0.6);
  }
  return w;
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

std::vector<float> zagraj(const zdarzenie& z) {
  losowe los(z.ziarno);
  const double f = z.czestotliwosc, t = z.czas;
  switch (z.co) {
    case instrument::flet: return flet(f, t);
    case instrument::mosiadz: return mosiadz(f, t);
    case instrument::struna: return szarpniecie(f, t, los);
    case instrument::plama: return plama(f, t);
    case instrument::smyczek: return smyczek(f, t);
    case instrument::bas: return bas(f, t);
    case instrument::dzwon: return dzwon(f, t);
    case instrument::kociol: return kociol(f, los);
    case instrument::stopa: return stopa();
    case instrument::werbel: return werbel(los);
    case instrument::talerz: return talerz(los, 60);
    case instrument::talerz_otwarty: return talerz(los, 20);
  }
  return {};
}

long dlugosc_dzwieku(const zdarzenie& z) {
  // The lengths zagraj gives, from the same formulas.
  const double t = z.czas;
  switch (z.co) {
    case instrument::flet: return long((t + 0.3) * R);
    case instrument::mosiadz: return long((t + 0.25) * R);
    case instrument::struna: return long((t + 0.8) * R);
    case instrument::plama: return long((t + 1.0) * R);
    case instrument::smyczek: return long((t + 0.35) * R);
    case instrument::bas: return long((t + 0.15) * R);
    case instrument::dzwon: return long((t + 2.5) * R);
    case instrument::kociol: return long(1.4 * R);
    case instrument::stopa: return long(0.35 * R);
    case instrument::werbel: return long(0.25 * R);
    case instrument::talerz:
    case instrument::talerz_otwarty: return long(0.12 * R);
  }
  return 0;
}

namespace {

lame_global_flags* koder_mp3(int kbps) {
  lame_global_flags* l = lame_init();
  if (!l) return nullptr;
  lame_set_in_samplerate(l, nagranie::CZESTOTLIWOSC);
  lame_set_out_samplerate(l, nagranie::CZESTOTLIWOSC);
  lame_set_num_channels(l, 2);
  lame_set_mode(l, JOINT_STEREO);
  lame_set_brate(l, kbps);
  lame_set_lowpassfreq(l, 17000);
  lame_set_quality(l, 3);
  lame_set_bWriteVbrTag(l, 1);
  if (lame_init_params(l) < 0) {
    lame_close(l);
    return nullptr;
  }
  return l;
}

// The frames made from the samples so far (without the last ones, which wait for the flush).
int koduj_probki(lame_global_flags* l, const nagranie& n, std::vector<unsigned char>& wynik) {
  wynik.resize(std::size_t(n.dlugosc() * 1.25 + 7200 + 65536));
  return lame_encode_buffer_ieee_float(l, n.lewy.data(), n.prawy.data(), n.dlugosc(), wynik.data(),
                                       int(wynik.size()));
}

}  // namespace

std::vector<unsigned char> koduj_mp3_poczatek(const nagranie& n, int kbps) {
  lame_global_flags* l = koder_mp3(kbps);
  if (!l) return {};
  std::vector<unsigned char> wynik;
  int a = koduj_probki(l, n, wynik);
  lame_close(l);
  wynik.resize(std::size_t(std::max(a, 0)));
  return wynik;
}

std::vector<unsigned char> koduj_mp3(const nagranie& n, int kbps) {
  lame_global_flags* l = koder_mp3(kbps);
  if (!l) return {};
  std::vector<unsigned char> wynik;
  int a = koduj_probki(l, n, wynik);
  int b = a >= 0 ? lame_encode_flush(l, wynik.data() + a, int(wynik.size()) - a) : -1;
  if (a < 0 || b < 0) {
    lame_close(l);
    return {};
  }
  wynik.resize(std::size_t(a + b));
  // The first frame was kept free for the delay and padding; they are known only now.
  std::size_t znacznik = lame_get_lametag_frame(l, wynik.data(), wynik.size());
  lame_close(l);
  if (znacznik == 0 || znacznik > wynik.size()) return {};
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
