// A save that is killed part-way never leaves a broken slot: every slot afterwards holds
// either the old game or the new one, and loads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>

#include "globalne.h"
#include "gracz.h"
#include "grafika.h"
#include "plik_gry.h"
#include "srodowisko.h"
#include "stan_gry.h"
#include "zdarzenia.h"

namespace {

const int LICZBA_SLOTOW = 5;
const int LICZBA_PROB = 50;

std::string slot(const std::string& katalog, int n) {
  return katalog + "/Zapisane_gry/" + std::to_string(n) + ".sav";
}

// Writes the two games to the slots one after the other until it is killed.
[[noreturn]] void zapisuj_bez_konca(const std::string& katalog, stan_gry& a, stan_gry& b) {
  char blad[256];
  for (;;) {
    for (int n = 1; n <= LICZBA_SLOTOW; ++n) zapisz_gre(slot(katalog, n).c_str(), b, blad);
    for (int n = 1; n <= LICZBA_SLOTOW; ++n) zapisz_gre(slot(katalog, n).c_str(), a, blad);
  }
}

TEST(ZapisPrzerwany, ZabiteZapisyZostawiajaKazdySlotStaryLubNowy) {
  przygotuj_allegro();
  grafika ekran(tryb_grafiki::atrapa);
  zdarzenia wejscie(&ekran);
  stan_gry a, b;
  a.ekran = b.ekran = &ekran;
  a.wejscie = b.wejscie = &wejscie;
  char blad[256] = "";
  ASSERT_TRUE(wczytaj_gre("Pliki_danych/Mapy/map1.sce", a, blad)) << blad;
  ASSERT_TRUE(wczytaj_gre("Pliki_danych/Mapy/map1.sce", b, blad)) << blad;
  b.gracze[1].zmien_zloto(a.gracze[1].pobierz_zloto() + 777);

  std::string katalog = katalog_tymczasowy();
  ASSERT_TRUE(zapisz_gre((katalog + "/a.sav").c_str(), a, blad)) << blad;
  ASSERT_TRUE(zapisz_gre((katalog + "/b.sav").c_str(), b, blad)) << blad;
  const std::string tresc_a = wczytaj_plik(katalog + "/a.sav");
  const std::string tresc_b = wczytaj_plik(katalog + "/b.sav");
  ASSERT_NE(tresc_a, tresc_b);
  // Saves are flushed to disk, so how long one takes depends on the disk and its load: the
  // kills fall within about two rounds of saving, measured here.
  const auto start = std::chrono::steady_clock::now();
  for (int n = 1; n <= LICZBA_SLOTOW; ++n)
    ASSERT_TRUE(zapisz_gre(slot(katalog, n).c_str(), a, blad)) << blad;
  const long runda = (long)std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start).count();
  const long okno = std::min(std::max(2 * runda, 5000L), 300000L);

  std::srand(12345);
  int nowe = 0;
  for (int proba = 0; proba < LICZBA_PROB; ++proba) {
    pid_t dziecko = fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) zapisuj_bez_konca(katalog, a, b);
    usleep(200 + std::rand() % okno);
    kill(dziecko, SIGKILL);
    int status = 0;
    waitpid(dziecko, &status, 0);
    for (int n = 1; n <= LICZBA_SLOTOW; ++n) {
      std::string tresc = wczytaj_plik(slot(katalog, n));
      ASSERT_TRUE(tresc == tresc_a || tresc == tresc_b)
          << "trial " << proba << ": slot " << n << " holds " << tresc.size() << " bytes";
      if (tresc == tresc_b) ++nowe;
      stan_gry sprawdz;
      sprawdz.ekran = &ekran;
      sprawdz.wejscie = &wejscie;
      ASSERT_TRUE(wczytaj_gre(slot(katalog, n).c_str(), sprawdz, blad)) << blad;
      sprawdz.zwolnij();
    }
  }
  // The kills did land in the middle of the writing, not only before it began.
  EXPECT_GT(nowe, 0);
  // What the killed saves left behind goes with the next save of each slot.
  for (int n = 1; n <= LICZBA_SLOTOW; ++n)
    ASSERT_TRUE(zapisz_gre(slot(katalog, n).c_str(), a, blad)) << blad;
  EXPECT_EQ(pliki_w(katalog + "/Zapisane_gry"), "1.sav 2.sav 3.sav 4.sav 5.sav ");
  a.zwolnij();
  b.zwolnij();
  godzina = 0.0f;
}

}  // namespace
