#include "katalogi.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

const char* const NAZWA_KATALOGU_GRY = "twierdze";

namespace {

std::string dane;
std::string zapisu;
bool zapis_mozliwy = true;

std::string bez_ukosnika(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string zmienna(const char* nazwa) {
  const char* w = std::getenv(nazwa);
  return w ? w : "";
}

}  // namespace

const std::string& katalog_danych() { return dane; }
const std::string& katalog_zapisu() { return zapisu; }
bool czy_zapis_mozliwy() { return zapis_mozliwy; }

void ustaw_katalogi(const std::string& d, const std::string& z, bool mozliwy) {
  dane = bez_ukosnika(d);
  zapisu = bez_ukosnika(z);
  zapis_mozliwy = mozliwy;
}

std::string katalog_gracza() {
  // Relative values are to be ignored, as the desktop's base directory rules say.
  const std::string xdg = zmienna("XDG_DATA_HOME");
  if (!xdg.empty() && xdg[0] == '/') return bez_ukosnika(xdg) + "/" + NAZWA_KATALOGU_GRY;
  std::string dom = zmienna("HOME");
  if (dom.empty())
    if (const passwd* p = getpwuid(getuid())) dom = p->pw_dir ? p->pw_dir : "";
  if (dom.empty() || dom[0] != '/') return "";
  return bez_ukosnika(dom) + "/.local/share/" + NAZWA_KATALOGU_GRY;
}

std::vector<std::string> miejsca_danych(const std::string& katalog_programu,
                                        const std::string& dane_wzgledem_programu) {
  std::vector<std::string> m{""};
  if (katalog_programu.empty()) return m;
  const std::string program = bez_ukosnika(katalog_programu);
  m.push_back(program);
  const std::size_t ukosnik = program.rfind('/');
  if (ukosnik != std::string::npos) m.push_back(ukosnik == 0 ? "/" : program.substr(0, ukosnik));
  if (!dane_wzgledem_programu.empty())
    m.push_back(dane_wzgledem_programu[0] == '/' ? dane_wzgledem_programu
                                                  : program + "/" + dane_wzgledem_programu);
  return m;
}
