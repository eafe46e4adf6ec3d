// Window-test helper: the Qt message boxes (and, unless told otherwise, the
// Qt dialogs) in place of the scripted ones, for the length of a test.
#pragma once

#include "ui/Servizi.h"

namespace prova {

class DialoghiVeri : public ui::Dialoghi {
 public:
  // With `soloMessaggi`, file dialogs, input boxes, modal windows and popup
  // menus stay scripted.
  explicit DialoghiVeri(bool soloMessaggi = false) : mPrima(ui::servizi()) {
    ui::installaServiziQt(mPrima.titolo, mPrima.cartellaProgramma);
    mVeri = ui::servizi().dialoghi;
    mAltri = soloMessaggi ? mPrima.dialoghi : mVeri;
    ui::Servizi misti = mPrima;
    misti.dialoghi = this;
    ui::installaServizi(misti);
  }
  ~DialoghiVeri() override { ui::installaServizi(mPrima); }
  DialoghiVeri(const DialoghiVeri&) = delete;
  DialoghiVeri& operator=(const DialoghiVeri&) = delete;

  ui::Risposta messaggio(QWidget* padre, const QString& testo, ui::Icona icona,
                         ui::Pulsanti pulsanti, const QString& titolo,
                         ui::Risposta predefinita) override {
    return mVeri->messaggio(padre, testo, icona, pulsanti, titolo, predefinita);
  }
  std::optional<QString> chiedi(QWidget* padre, const QString& domanda, const QString& titolo,
                                const QString& predefinito) override {
    return mAltri->chiedi(padre, domanda, titolo, predefinito);
  }
  QString salva(QWidget* padre, const ui::DialogoFile& d) override {
    return mAltri->salva(padre, d);
  }
  QString apri(QWidget* padre, const ui::DialogoFile& d) override { return mAltri->apri(padre, d); }
  int esegui(QDialog* finestra) override { return mAltri->esegui(finestra); }
  void popup(QMenu* menu, const QPoint& dove) override { mAltri->popup(menu, dove); }

 private:
  ui::Servizi mPrima;
  ui::Dialoghi* mVeri = nullptr;
  ui::Dialoghi* mAltri = nullptr;
};

}  // namespace prova
