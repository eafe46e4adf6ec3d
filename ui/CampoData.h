// CampoData: a date field (dd/mm/yyyy) with a calendar, typed the way users
// type dates.
//
// Whenever the field takes the focus or is clicked, the next digit starts a
// new date: the digits of the day, the month and the year follow one another,
// with or without separators ("04062026", "4/6/2026", "4.6.26"); a day above
// 3 or a month above 1 is complete at its first digit. As soon as the typed
// text is a whole valid date, it is the field's date. When the field loses
// the focus, or on Return, a date typed in part is completed from the date
// that stood before (the month and the year left out; a two-digit year is
// taken in the hundred years up to next year). What cannot be a date within
// the field's range is refused with a beep and stays in view until it is
// corrected or a new date is typed. So the field's date is
// the text in view whenever the text is valid; a caller about to read
// `date()` calls `conferma()` first and refuses to go on when it fails.
#pragma once

#include <QDate>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QCalendarWidget;
class QToolButton;

namespace ui {

class CampoData : public QWidget {
  Q_OBJECT

 public:
  explicit CampoData(QWidget* parent = nullptr);

  QDate date() const { return mData; }
  void setDate(const QDate& data);
  void setDateRange(const QDate& minima, const QDate& massima);
  QDate minimumDate() const { return mMinima; }
  QDate maximumDate() const { return mMassima; }
  // Ends a typing in progress as losing the focus does; returns whether the
  // text in view is the field's date (false: it is not a date).
  bool conferma();
  // The text in view.
  QString testo() const;
  QLineEdit* editor() const { return mTesto; }

  // The text of a date, dd/MM/yyyy.
  static QString Testo(const QDate& data);

 signals:
  void dateChanged(const QDate& data);

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  // The typing in progress: the groups of digits typed (day, month, year).
  struct Battitura {
    bool inCorso = false;
    QString gruppi[3];
    int gruppo = 0;         // the group the next digit goes to
    bool avanzato = false;  // the last digit completed its group: a separator now is absorbed
  };

  // The date of the groups typed, completed from the date that stands; an
  // invalid date when they give none within the range.
  QDate completa() const;
  bool tasto(QKeyEvent* e);
  void cifra(QChar c);
  void separatore();
  void cancella();
  void mostraBattitura();
  void inizia();
  void selezionaGiorno();
  void apriCalendario();
  void imposta(const QDate& data);

  QLineEdit* mTesto;
  QToolButton* mPulsante;
  QPointer<QCalendarWidget> mCalendario;
  QDate mData;
  bool mValida = true;  // the text in view is mData's
  QDate mMinima{1752, 9, 14};
  QDate mMassima{9999, 12, 31};
  Battitura mBattitura;
};

}  // namespace ui
