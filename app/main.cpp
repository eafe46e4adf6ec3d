#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::puts("Tarvolane: il modello è pronto; la finestra principale arriverà con la prossima versione.");
  return 0;
}
