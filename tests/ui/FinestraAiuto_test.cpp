#include "ui/FinestraAiuto.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QtEndian>
#include <atomic>
#include <fstream>
#include <functional>
#include <span>
#include <thread>

#include "core/file.h"
#include "stats/tabella_formazioni.h"
#include "support/cartella_temporanea.h"
#include "support/programma_di_prova.h"
#include "ui/Finestre.h"
#include "ui/ServiziDiProva.h"

namespace {

const QString kSorgenti = QStringLiteral(TARVOLANE_SOURCE_DIR);

QString Leggi(const QString& percorso) {
  QFile f(percorso);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Why a link of the help (a page, "page#anchor" or "#anchor" of the page
// `da`) leads nowhere; empty when its page and anchor exist.
std::string Guasto(const QString& da, const QString& collegamento) {
  const QString cartella = kSorgenti + QStringLiteral("/help/");
  const int cancelletto = collegamento.indexOf(QLatin1Char('#'));
  const QString file = cancelletto < 0 ? collegamento : collegamento.left(cancelletto);
  const QString testo = Leggi(cartella + (file.isEmpty() ? da : file));
  if (testo.isEmpty()) return "pagina mancante";
  if (cancelletto >= 0 && !testo.contains(QStringLiteral("name=\"%1\"").arg(collegamento.mid(cancelletto + 1))))
    return "ancora mancante";
  return "";
}

// Every tool of the main window, opened from its menu handler, with the topic
// that F1 shows while it is the active window.
struct Strumento {
  void (MDIForm1::*apri)();
  int argomento;
};
const Strumento kStrumenti[] = {
    {&MDIForm1::MnuEstGest_Click, 20000},     {&MDIForm1::MnuEstTabAna_Click, 30010},
    {&MDIForm1::MnuRscTab1_Click, 30020},     {&MDIForm1::MnuRscTab2_Click, 30030},
    {&MDIForm1::MnuRscStat_Click, 60010},     {&MDIForm1::MnuEstTabRuo_Click, 30050},
    {&MDIForm1::MnuEstCDF_Click, 30040},      {&MDIForm1::MnuStatAnaNum_Click, 60030},
    {&MDIForm1::MnuStatLaData_Click, 60020},  {&MDIForm1::MnuStatTab_Click, 60040},
    {&MDIForm1::MnuPrevAAM_Click, 50020},     {&MDIForm1::MnuPrevSpia_Click, 50030},
    {&MDIForm1::mnuPrevMetodiT_Click, 90010}, {&MDIForm1::mnuPrevMetodiD_Click, 50010},
    {&MDIForm1::mnuPrevMetodiS_Click, 90010},
};

// Gives each FIFO a writer as soon as something opens it to read, so that
// such a reader goes on instead of waiting for ever, and tells whether one did.
class GuardiaFifo {
 public:
  explicit GuardiaFifo(std::vector<std::filesystem::path> fifo) : mFifo(std::move(fifo)) {}
  ~GuardiaFifo() {
    mFine = true;
    mFilo.join();
  }
  bool aperta() const { return mAperta; }

 private:
  void guarda() {
    while (!mFine) {
      for (const auto& f : mFifo)
        if (const int fd = ::open(f.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
          mAperta = true;
          ::close(fd);
        }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  std::vector<std::filesystem::path> mFifo;
  std::atomic<bool> mFine{false}, mAperta{false};
  std::thread mFilo{&GuardiaFifo::guarda, this};
};

// The help page as the window draws it: its pixels that are not background,
// and those that are red.
std::pair<int, int> Inchiostro(ui::PaginaAiuto* p) {
  p->setCursorWidth(0);  // the caret blinks
  const QImage pagina = p->viewport()->grab().toImage();
  std::pair<int, int> n{0, 0};
  for (int y = 0; y < pagina.height(); ++y)
    for (int x = 0; x < pagina.width(); ++x) {
      const QColor c = pagina.pixelColor(x, y);
      n.first += c != pagina.pixelColor(0, 0);
      n.second += c.red() > 200 && c.green() < 60 && c.blue() < 60;
    }
  return n;
}

// The help page of a topic as the window draws it (Inchiostro).
std::pair<int, int> Disegno(const std::filesystem::path& cartella, int argomento) {
  QPointer<ui::FinestraAiuto> f =
      ui::FinestraAiuto::Mostra(QString::fromStdString(cartella.string()), argomento);
  const auto n = Inchiostro(f->pagina());
  f->close();
  return n;
}

// What Qt's picture decoders said while `azione` ran (the categories
// qt.gui.imageio...): a decoder that meets a picture cut short complains of
// it, and one stopped by the allocation limit says so. Other messages go on
// as usual.
QStringList Decodifiche(const std::function<void()>& azione) {
  static QStringList* detti;
  static QtMessageHandler prima;
  QStringList messaggi;
  detti = &messaggi;
  prima = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
    if (QByteArray(c.category).startsWith("qt.gui.imageio"))
      *detti << m;
    else
      prima(t, c, m);
  });
  azione();
  qInstallMessageHandler(prima);
  return messaggi;
}

// The bytes of a picture in a format Qt writes ("PNG", "JPEG", "ICO").
QByteArray Codifica(const QImage& figura, const char* formato) {
  QByteArray dati;
  QBuffer buffer(&dati);
  buffer.open(QIODevice::WriteOnly);
  figura.save(&buffer, formato);
  return dati;
}

// A red picture of that size.
QImage Rossa(QSize misura) {
  QImage rossa(misura, QImage::Format_RGB32);
  rossa.fill(Qt::red);
  return rossa;
}

void Scrivi(const std::filesystem::path& percorso, const QByteArray& dati) {
  std::ofstream(percorso, std::ios::binary).write(dati.constData(), dati.size());
}

// The picture Qt keeps for a name of the page shown.
QImage Figura(ui::PaginaAiuto* p, const QString& nome) {
  return p->document()->resource(QTextDocument::ImageResource, QUrl(nome)).value<QImage>();
}

// Makes a folder the current one for as long as it lives.
class CartellaCorrente {
 public:
  explicit CartellaCorrente(const std::filesystem::path& cartella) {
    QDir::setCurrent(QString::fromStdString(cartella.string()));
  }
  ~CartellaCorrente() { QDir::setCurrent(mPrima); }

 private:
  QString mPrima = QDir::currentPath();
};

}  // namespace

TEST(Help, EveryToolShowsItsOwnPageOrParagraphAndEveryLinkLeadsSomewhere) {
  prova::ProgrammaDiProva p(prova::Sintetiche(200));
  ASSERT_TRUE(file::ScriviAtomico(p.stato.CartellaProgramma / "TabFnum.txt",
                                  formazioni::Codifica(formazioni::TabellaPredefinita())));
  MDIForm1& m = p.principale();
  QApplication::setActiveWindow(&m);
  // The editor's insert mode and the tester's second page set their topics.
  QList<int> argomenti{10000, 20020, 90020};
  for (const Strumento& s : kStrumenti) {
    (m.*s.apri)();
    QWidget* attiva = m.finestre().attiva();
    ASSERT_NE(attiva, nullptr) << s.argomento;
    QTest::keyClick(&m, Qt::Key_F1);
    ASSERT_FALSE(p.servizi.aiuto.argomenti.empty());
    EXPECT_EQ(p.servizi.aiuto.argomenti.back(), s.argomento) << attiva->objectName().toStdString();
    argomenti << s.argomento;
    m.finestre().chiudiTutteTranne(nullptr);
  }
  for (int a : argomenti) {
    SCOPED_TRACE(a);
    EXPECT_EQ(Guasto(QString(), ui::PaginaArgomento(a)), "");
  }
  const QStringList pagine = QDir(kSorgenti + QStringLiteral("/help")).entryList({QStringLiteral("*.html")});
  EXPECT_GE(pagine.size(), 5);
  static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\""));
  for (const QString& pagina : pagine)
    for (const QRegularExpressionMatch& l : href.globalMatch(Leggi(kSorgenti + QStringLiteral("/help/") + pagina))) {
      SCOPED_TRACE((pagina + QStringLiteral(" -> ") + l.captured(1)).toStdString());
      EXPECT_EQ(Guasto(pagina, l.captured(1)), "");
    }
}

TEST(Help, OpensOnTheToolsParagraphAndEscCloses) {
  QPointer<ui::FinestraAiuto> f = ui::FinestraAiuto::Mostra(kSorgenti, 30040);
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(f->pagina()->source().fragment(), QStringLiteral("cadenze-decine-figure"));
  // The caret waits at the paragraph, for the keyboard and for a screen reader.
  EXPECT_TRUE(f->pagina()->textCursor().block().text().startsWith(QStringLiteral("Rit/Pre Cadenze")));
  QTest::keyClick(f->pagina(), Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.isNull());
}

TEST(Help, ScreenReadersSeeADocumentWithItsLinks) {
  QPointer<ui::FinestraAiuto> f = ui::FinestraAiuto::Mostra(kSorgenti, 20020);
  ASSERT_TRUE(f);
  ui::PaginaAiuto* pagina = f->pagina();
  QAccessibleInterface* documento = QAccessible::queryAccessibleInterface(pagina);
  ASSERT_NE(documento, nullptr);
  EXPECT_EQ(documento->role(), QAccessible::Document);
  EXPECT_EQ(documento->text(QAccessible::Name), QStringLiteral("Inserimento di un'estrazione"));
  ASSERT_NE(documento->textInterface(), nullptr);
  QAccessibleTextInterface* testo = documento->textInterface();
  EXPECT_TRUE(testo->text(0, testo->characterCount()).startsWith(QStringLiteral("Inserimento di un'estrazione")));
  int inizio = -1, fine = -1;
  EXPECT_EQ(testo->textAtOffset(0, QAccessible::LineBoundary, &inizio, &fine),
            QStringLiteral("Inserimento di un'estrazione"));

  ASSERT_EQ(documento->childCount(), pagina->collegamenti().size());
  QAccessibleInterface* primo = documento->child(0);
  ASSERT_NE(primo, nullptr);
  EXPECT_EQ(primo->role(), QAccessible::Link);
  EXPECT_EQ(primo->text(QAccessible::Name), QStringLiteral("Gestione delle estrazioni"));
  ASSERT_NE(primo->hyperlinkInterface(), nullptr);
  EXPECT_EQ(primo->hyperlinkInterface()->anchorTarget(), QStringLiteral("20000.html"));
  EXPECT_EQ(documento->indexOfChild(primo), 0);
  // Tab onto the link makes it the document's focused child.
  QTest::keyClick(pagina, Qt::Key_Tab);
  EXPECT_EQ(documento->focusChild(), primo);
  // Its actions give it the focus and follow it.
  ASSERT_NE(primo->actionInterface(), nullptr);
  QTest::keyClick(pagina, Qt::Key_Tab);
  EXPECT_NE(documento->focusChild(), primo);
  primo->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_EQ(documento->focusChild(), primo);
  primo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(pagina->source().path().endsWith(QStringLiteral("/20000.html")));
  EXPECT_EQ(documento->text(QAccessible::Name), QStringLiteral("Gestione delle estrazioni"));
  f->close();
}

TEST(Help, APageThatCannotBeReadIsNamedWithTheReasonAndNeverWaitedOn) {
  prova::CartellaTemporanea dir;
  const auto p = [&](int argomento) {
    return dir.percorso() / "help" / (std::to_string(argomento) + ".html");
  };
  std::filesystem::create_directories(p(5));
  ASSERT_EQ(::mkfifo(p(1).c_str(), 0600), 0);  // no writer: a plain open waits for ever
  std::filesystem::create_symlink("/dev/zero", p(2));
  std::filesystem::create_symlink("3.html", p(3));
  std::ofstream(p(4)).close();
  ASSERT_EQ(::truncate(p(4).c_str(), 9 << 20), 0);
  const struct {
    int argomento;
    const char* perche;  // nullptr: not there at all
  } casi[] = {
      {1, "non è un file normale"},
      {2, "non è un file normale"},
      {3, "troppi livelli di collegamenti simbolici (forse un ciclo)"},
      {4, "file troppo grande (9.437.184 byte, al massimo 8.388.608)"},
      {5, "è una cartella"},
      {6, nullptr},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(c.argomento);
    QPointer<ui::FinestraAiuto> f =
        ui::FinestraAiuto::Mostra(QString::fromStdString(dir.percorso().string()), c.argomento);
    const QString pagina = QString::fromStdString(p(c.argomento).string());
    EXPECT_EQ(f->pagina()->toPlainText(),
              c.perche
                  ? QStringLiteral(
                        "Pagina della guida non leggibile: %1\nimpossibile leggere %2.html: %3")
                        .arg(pagina)
                        .arg(c.argomento)
                        .arg(QString::fromUtf8(c.perche))
                  : QStringLiteral("Pagina della guida non trovata: ") + pagina);
    f->close();
  }
}

// A picture, or a style sheet, that cannot be read is left out: the page
// shows its text alone, and nothing opens the file behind the reader's back.
TEST(Help, APictureThatCannotBeReadIsLeftOutAndNeverWaitedOn) {
  prova::CartellaTemporanea dir;
  const auto help = dir.percorso() / "help";
  std::filesystem::create_directories(help / "cartella.png");
  // Qt takes a web address it cannot read for a file under the current folder.
  const CartellaCorrente corrente(dir.percorso());
  std::filesystem::create_directories(dir.percorso() / "http:" / "h");
  const std::vector<std::filesystem::path> fifo{help / "attesa.png",
                                                help / "<b>.png",
                                                help / "attesa.css",
                                                dir.percorso() / "http:" / "h" / "x.png",
                                                dir.percorso() / "http:" / "h" / "x.css",
                                                dir.percorso() / "fuori.png",
                                                dir.percorso() / "assoluta.png"};
  for (const auto& f : fifo) ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
  GuardiaFifo guardia(fifo);
  std::filesystem::create_symlink("/dev/zero", help / "zero.png");
  std::ofstream(help / "grande.png").close();
  ASSERT_EQ(::truncate((help / "grande.png").c_str(), 1 << 30), 0);
  std::ofstream(help / "testo.png") << "non sono un'immagine";
  QImage rosso(8, 8, QImage::Format_RGB32);
  rosso.fill(Qt::red);
  for (const auto& p : {help / "rosso.png", dir.percorso() / "rosso.png"})
    ASSERT_TRUE(rosso.save(QString::fromStdString(p.string())));
  QFile png(QString::fromStdString((help / "rosso.png").string()));
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  const std::string rossoInLinea =
      "data:image/png;base64," + png.readAll().toBase64().toStdString();
  // What each page holds between two paragraphs. The FIFOs come first, so
  // that a reader that opens one fails the test before the link to /dev/zero
  // could fill the memory. The last picture is written in the page itself
  // (red, as "rosso" in it says).
  const std::string casi[] = {"",
                              R"(<img src="attesa.png">)",
                              R"(<img src="&lt;b&gt;.png">)",
                              R"(<link rel="stylesheet" type="text/css" href="attesa.css">)",
                              R"(<img src="http://h/x.png">)",
                              R"(<link rel="stylesheet" type="text/css" href="http://h/x.css">)",
                              R"(<img src="../fuori.png">)",
                              "<img src=\"" + fifo.back().string() + "\">",
                              R"(<img src="zero.png">)",
                              R"(<img src="grande.png">)",
                              R"(<img src="cartella.png">)",
                              R"(<img src="testo.png">)",
                              R"(<img src="mancante.png">)",
                              R"(<img src="rosso.png">)",
                              R"(<img src="../rosso.png">)",
                              "<img alt=\"rosso\" src=\"" + rossoInLinea + "\">"};
  const auto disegno = [&](int i) {
    std::ofstream(help / (std::to_string(i) + ".html"))
        << "<html><head><title>Prova</title></head><body><p>Prima</p><p>" << casi[i]
        << "</p><p>Dopo</p></body></html>";
    return Disegno(dir.percorso(), i);
  };
  const int testo = disegno(0).first;
  for (int i = 1; i < int(std::size(casi)); ++i) {
    SCOPED_TRACE(casi[i]);
    const auto [inchiostro, rossi] = disegno(i);
    ASSERT_FALSE(guardia.aperta());
    EXPECT_EQ(rossi, casi[i].find("rosso") != std::string::npos ? 64 : 0);
    if (rossi == 0) {
      EXPECT_EQ(inchiostro, testo);  // nothing drawn in its place
    }
  }
}

// A picture costs what its page keeps of it: one larger than the screen is
// scaled down to fit it and counted at that size, so that a page of a dozen
// screenshots shows them all, on each screen; one whose decoding alone would
// be huge is left out, however many times the page names it. What the page
// reads and decodes is bounded too, whatever is kept: pictures that declare a
// large size stop being decoded once that budget is spent, and the files
// named after it are never opened. Once the page's budget is spent, the
// pictures that follow are left out without being decoded at all. The budget
// starts afresh with each page.
TEST(Help, PicturesStayWithinTheScreenAndThePagesBudget) {
  using ui::PaginaAiuto;
  // A full-HD screenshot as a screen keeps it: scaled down to fit, never up.
  const auto tenuta = [](const QScreen* schermo) {
    return QSize(1920, 1080).scaled(schermo->size().boundedTo({1920, 1080}), Qt::KeepAspectRatio);
  };
  // On the largest screen, where the fewest are kept; how many screenshots
  // fit there in what the page keeps and in what it decodes.
  QScreen* grande = QGuiApplication::primaryScreen();
  for (QScreen* schermo : QGuiApplication::screens())
    if (schermo->size().width() * schermo->size().height() >
        grande->size().width() * grande->size().height())
      grande = schermo;
  const QSize ridotta = tenuta(grande);
  const QByteArray schermata = Codifica(Rossa({1920, 1080}), "PNG");
  const int entrano = int(std::min(
      PaginaAiuto::kMemoriaImmagini / (qint64(ridotta.width()) * ridotta.height() * 4),
      PaginaAiuto::kDecodificaPagina /
          (1920 * 1080 * 4 + std::max(PaginaAiuto::kLetturaMinima, qint64(schermata.size())))));
  ASSERT_GE(entrano, 12);
  const int schermate = entrano + 1;  // the last one left out

  prova::CartellaTemporanea dir;
  const auto help = dir.percorso() / "help";
  std::filesystem::create_directories(help);
  Scrivi(help / "enorme.png", Codifica(Rossa({5600, 5600}), "PNG"));  // about 100 KB
  Scrivi(help / "rosso.png", Codifica(Rossa({8, 8}), "PNG"));
  for (int i = 0; i < schermate; ++i)
    Scrivi(help / ("schermata" + std::to_string(i) + ".png"), schermata);
  // A screenshot in JPEG, cut short: its decoder complains of the missing data.
  const QByteArray jpeg = Codifica(Rossa({1920, 1080}), "JPEG");
  Scrivi(help / "troncata.jpg", jpeg.left(jpeg.indexOf("\xff\xda") + 14));
  // An 8 MiB file, a JPEG that declares 4096×4096 (64 MiB decoded) with its
  // data cut short, named by more links than the page may read: each costs
  // the whole file while it fits in what is left, then at least
  // kLetturaMinima. A small picture of its own follows.
  QByteArray dichiara = Codifica(Rossa({4096, 4096}), "JPEG");
  dichiara = dichiara.left(dichiara.indexOf("\xff\xda") + 14) + "\xff\xd9";
  dichiara.resize(8 << 20, '\0');
  Scrivi(help / "dichiara.jpg", dichiara);
  const qint64 nomi = PaginaAiuto::kDecodificaPagina / dichiara.size() +
                      dichiara.size() / PaginaAiuto::kLetturaMinima + 1;
  {
    std::ofstream pagina1(help / "1.html"), pagina2(help / "2.html"), pagina3(help / "3.html"),
        pagina5(help / "5.html");
    for (int i = 0; i < schermate; ++i) {
      if (i < 8) pagina1 << "<img src=\"enorme.png?" << i << "\">";
      if (i < 12) pagina2 << "<img src=\"schermata" << i << ".png\">";
      pagina3 << "<img src=\"schermata" << i << ".png\">";
    }
    pagina1 << "<p><img src=\"rosso.png\"></p>";
    pagina3 << "<img src=\"troncata.jpg\">";
    std::ofstream(help / "4.html") << "<img src=\"troncata.jpg\">";
    for (qint64 i = 0; i < nomi; ++i) {
      const std::string nome = "dichiara" + std::to_string(i) + ".jpg";
      std::filesystem::create_symlink("dichiara.jpg", help / nome);
      pagina5 << "<img src=\"" << nome << "\">";
    }
    pagina5 << "<p><img src=\"rosso.png\"></p>";
  }
  const QString cartella = QString::fromStdString(dir.percorso().string());
  // One window throughout: the budget goes with the page.
  QPointer<ui::FinestraAiuto> f = ui::FinestraAiuto::Mostra(cartella, 2);
  const auto figura = [&](const QString& nome) { return Figura(f->pagina(), nome); };
  for (QScreen* schermo : QGuiApplication::screens()) {
    SCOPED_TRACE(schermo->name().toStdString());
    f->setScreen(schermo);
    f->move(schermo->availableGeometry().topLeft());
    f->pagina()->reload();
    for (int i = 0; i < 12; ++i)
      EXPECT_EQ(figura(QStringLiteral("schermata%1.png").arg(i)).size(), tenuta(schermo));
  }
  f->setScreen(grande);
  f->move(grande->availableGeometry().topLeft());
  f = ui::FinestraAiuto::Mostra(cartella, 1);
  EXPECT_EQ(Inchiostro(f->pagina()).second, 64);  // the small picture alone
  EXPECT_EQ(Decodifiche([&] { f = ui::FinestraAiuto::Mostra(cartella, 3); }),
            QStringList());  // the JPEG was never decoded
  qint64 tenute = 0;
  for (int i = 0; i < schermate; ++i) {
    const QImage copia = figura(QStringLiteral("schermata%1.png").arg(i));
    EXPECT_EQ(copia.size(), i < entrano ? ridotta : QSize(1, 1)) << i;
    tenute += copia.sizeInBytes();
  }
  EXPECT_LE(tenute, PaginaAiuto::kMemoriaImmagini);
  EXPECT_EQ(figura(QStringLiteral("troncata.jpg")).size(), QSize(1, 1));
  // The same JPEG on a page of its own, with a budget of its own, is decoded
  // and shown.
  EXPECT_NE(Decodifiche([&] { f = ui::FinestraAiuto::Mostra(cartella, 4); }), QStringList());
  EXPECT_EQ(figura(QStringLiteral("troncata.jpg")).size(), ridotta);
  // Each decoding of the cut-short JPEG draws one complaint: no more of them
  // than the page's decoding holds, and the picture after them is neither
  // opened nor shown.
  const int osservatore = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(osservatore, 0);
  ASSERT_GE(::inotify_add_watch(osservatore, (help / "rosso.png").c_str(), IN_OPEN), 0);
  const QStringList detti = Decodifiche([&] { f = ui::FinestraAiuto::Mostra(cartella, 5); });
  EXPECT_GE(detti.size(), 1);
  EXPECT_LE(detti.size(), PaginaAiuto::kDecodificaPagina / (qint64(4096) * 4096 * 4));
  inotify_event evento;
  EXPECT_LT(::read(osservatore, &evento, sizeof evento), 0);  // rosso.png never opened
  ::close(osservatore);
  EXPECT_EQ(Inchiostro(f->pagina()).second, 0);
  f->close();
}

// What a page's picture files cost it, whatever comes of them: each its
// bytes, and at least kLetturaMinima, a name that cannot be read or a file of
// a few bytes too; a file larger than what is left is refused unread, at that
// least charge. So a page reads a bounded amount however many files it names,
// and the small picture at its end shows only while the page can still read
// it (kLetturaMinima) and decode it (256 bytes).
TEST(Help, APagesPictureFilesCostTheirBytesAndAtLeastTheLeastCharge) {
  using ui::PaginaAiuto;
  constexpr qint64 kMinima = PaginaAiuto::kLetturaMinima;
  constexpr int kNomi = int(PaginaAiuto::kDecodificaPagina / kMinima);
  constexpr qint64 kResto = 64 * kMinima;  // what kNomi - 64 names leave: 4 MiB
  prova::CartellaTemporanea dir;
  const auto help = dir.percorso() / "help";
  std::filesystem::create_directories(help / "cartella");
  Scrivi(help / "rosso.png", Codifica(Rossa({8, 8}), "PNG"));
  std::ofstream(help / "vuoto").close();
  std::ofstream(help / "testo") << "non sono un'immagine";
  // Names that cannot be read or hold a few bytes: among the first, an empty
  // file, a folder and a text; the others name nothing.
  const char* bersagli[] = {nullptr, "vuoto", "cartella", "testo"};
  for (int i = 0; i < 32; ++i)
    if (const char* b = bersagli[i % 4])
      std::filesystem::create_symlink(b, help / ("n" + std::to_string(i) + ".png"));
  const struct {
    int nomi;
    qint64 ultima;  // then a file of zeros of this size, no picture (0: none)
    bool letta, rosso;
  } casi[] = {
      {kNomi - 2, 0, false, true},            // 128 KiB left: read and decoded
      {kNomi - 1, 0, false, false},           // 64 KiB left: read, not decoded
      {kNomi - 64, kResto, true, false},      // a file of what is left is read whole
      {kNomi - 64, kResto + 1, false, true},  // one byte more: refused unread
  };
  for (int r = 0; r < int(std::size(casi)); ++r) {
    const auto& c = casi[r];
    SCOPED_TRACE(r);
    const auto ultima = help / ("ultima" + std::to_string(r) + ".png");
    {
      std::ofstream pagina(help / (std::to_string(r) + ".html"));
      for (int i = 0; i < c.nomi; ++i)  // a paragraph of 64, which Qt lays out quickly
        pagina << (i % 64 ? "" : "<p>") << "<img src=\"n" << i << ".png\">";
      if (c.ultima > 0) pagina << "<img src=\"" << ultima.filename().string() << "\">";
      pagina << "<p><img src=\"rosso.png\"></p>";
    }
    const int osservatore = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(osservatore, 0);
    if (c.ultima > 0) {
      std::ofstream(ultima).close();
      ASSERT_EQ(::truncate(ultima.c_str(), c.ultima), 0);
      ASSERT_GE(::inotify_add_watch(osservatore, ultima.c_str(), IN_ACCESS), 0);
    }
    QPointer<ui::FinestraAiuto> f =
        ui::FinestraAiuto::Mostra(QString::fromStdString(dir.percorso().string()), r);
    QScrollBar* barra = f->pagina()->verticalScrollBar();
    barra->setValue(barra->maximum());  // the end of the page, where the small picture is
    EXPECT_EQ(Inchiostro(f->pagina()).second, c.rosso ? 64 : 0);
    f->close();
    inotify_event eventi[16];  // on the file itself: no name follows
    EXPECT_EQ(::read(osservatore, eventi, sizeof eventi) > 0, c.letta);
    ::close(osservatore);
  }
}

// A picture that decodes to more than its header says is left out, and its
// decoder is stopped at what the header said: a GIF whose screen is far
// larger than its single 1×1 frame, an icon whose directory says 16×16 and
// that holds a far larger PNG. An honest icon is shown.
TEST(Help, APictureThatDecodesToAnotherSizeThanItDeclaresIsLeftOut) {
  prova::CartellaTemporanea dir;
  const auto help = dir.percorso() / "help";
  std::filesystem::create_directories(help);
  // 35 bytes: a 5600×5600 screen around one 1×1 frame.
  Scrivi(help / "bomba.gif",
         QByteArray::fromHex("474946383961e015e015800000000000ffffff2c0000000001"
                             "0001000002024401003b"));
  const auto icona = [](QSize misura) {  // its directory says 16×16
    const QByteArray png = Codifica(Rossa(misura), "PNG");
    const quint32 dove[2] = {qToLittleEndian(quint32(png.size())), qToLittleEndian(quint32(22))};
    return QByteArray::fromHex("0000010001001010000001002000") +
           QByteArray(reinterpret_cast<const char*>(dove), sizeof dove) + png;
  };
  Scrivi(help / "bomba.ico", icona({5600, 5600}));
  Scrivi(help / "falsa.ico", icona({200, 200}));  // decodes within the bound
  Scrivi(help / "rosso.ico", Codifica(Rossa({8, 8}), "ICO"));
  const char* nomi[] = {"bomba.gif", "bomba.ico", "falsa.ico", "rosso.ico"};
  std::ofstream(help / "9.html") << "<p>Prima</p><p></p><p>Dopo</p>";
  const int testo = Disegno(dir.percorso(), 9).first;
  for (int i = 0; i < int(std::size(nomi)); ++i) {
    SCOPED_TRACE(nomi[i]);
    std::ofstream(help / (std::to_string(i) + ".html"))
        << "<p>Prima</p><p><img src=\"" << nomi[i] << "\"></p><p>Dopo</p>";
    std::pair<int, int> disegno;
    const QStringList detti = Decodifiche([&] { disegno = Disegno(dir.percorso(), i); });
    const auto [inchiostro, rossi] = disegno;
    const bool bomba = std::string_view(nomi[i]).starts_with("bomba");
    EXPECT_EQ(detti.filter(QStringLiteral("allocation limit")).size(), bomba ? 1 : 0);
    EXPECT_EQ(rossi, i == 3 ? 64 : 0);
    if (rossi == 0) {
      EXPECT_EQ(inchiostro, testo);  // nothing drawn in its place
    }
  }
}

// A page that names one picture many times, in many ways, reads its file
// once.
TEST(Help, APictureNamedManyTimesIsReadOnce) {
  prova::CartellaTemporanea dir;
  const auto help = dir.percorso() / "help";
  std::filesystem::create_directories(help);
  Scrivi(help / "foto.png", Codifica(Rossa({8, 8}), "PNG"));
  {
    std::ofstream pagina(help / "1.html");
    for (int i = 0; i < 100; ++i)
      pagina << "<img src=\"foto.png?" << i << "\"><img src=\"./foto.png#" << i << "\">";
  }
  const int osservatore = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(osservatore, 0);
  // Each open is followed by its close: two opens in a row would be one event.
  ASSERT_GE(::inotify_add_watch(osservatore, (help / "foto.png").c_str(), IN_OPEN | IN_CLOSE), 0);
  QPointer<ui::FinestraAiuto> f =
      ui::FinestraAiuto::Mostra(QString::fromStdString(dir.percorso().string()), 1);
  EXPECT_EQ(Figura(f->pagina(), QStringLiteral("foto.png?99")).size(), QSize(8, 8));
  EXPECT_EQ(Figura(f->pagina(), QStringLiteral("./foto.png#99")).size(), QSize(8, 8));
  int aperture = 0;
  inotify_event eventi[64];  // on the file itself: no name follows
  for (ssize_t n; (n = ::read(osservatore, eventi, sizeof eventi)) > 0;)
    for (const inotify_event& e : std::span(eventi, n / sizeof *eventi))
      aperture += (e.mask & IN_OPEN) != 0;
  ::close(osservatore);
  EXPECT_EQ(aperture, 1);
  f->close();
}

// A web address is not the help's: a link to it goes to the desktop, for
// assistive technology as for Return, and a page of that name says why it
// is not shown.
TEST(Help, AWebAddressGoesToTheDesktopAndIsNeverShownAsAPage) {
  ui::ServiziDiProva servizi;
  prova::CartellaTemporanea dir;
  std::filesystem::create_directories(dir.percorso() / "help");
  std::ofstream(dir.percorso() / "help" / "1.html")
      << R"(<html><body><p><a href="http://h/x.html">web</a> <a href="2.html">due</a></p></body></html>)";
  QPointer<ui::FinestraAiuto> f =
      ui::FinestraAiuto::Mostra(QString::fromStdString(dir.percorso().string()), 1);
  ui::PaginaAiuto* pagina = f->pagina();
  const QUrl prima = pagina->source();
  QAccessibleInterface* web = QAccessible::queryAccessibleInterface(pagina)->child(0);
  ASSERT_NE(web, nullptr);
  web->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(servizi.desktop.aperti, std::vector<QUrl>{QUrl(QStringLiteral("http://h/x.html"))});
  EXPECT_EQ(pagina->source(), prima);
  pagina->setSource(QUrl(QStringLiteral("http://h/x.html")));
  EXPECT_EQ(
      pagina->toPlainText(),
      QStringLiteral("Pagina della guida non leggibile: http://h/x.html\nnon è un file locale"));
  f->close();
}
