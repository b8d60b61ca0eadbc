#pragma once
// "Konfiguracja serwerów HTTP i danych": the type of each server and, below it, the page of that
// type's settings. It is created once and only shown and hidden afterwards, so what was typed
// stays in its fields; "OK" hands the fields over and "Anuluj" just closes it.
#include "servers/server_settings.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QStackedWidget;

namespace wertan {

class Prompts;

class ServerConfigDialog : public QDialog {
    Q_OBJECT
public:
    explicit ServerConfigDialog(Prompts& prompts, QWidget* parent = nullptr);

    // Fills every field (of all pages) and selects the types.
    void setFields(const HttpServerSettings& http, const DataServerSettings& data);
    // The fields' values, the types included.
    void readFields(HttpServerSettings* http, DataServerSettings* data) const;

    // Runs on "OK" with the fields' values; the dialog closes when it returns true.
    std::function<bool(const HttpServerSettings&, const DataServerSettings&)> onConfirm;

    QComboBox* httpTypeBox() const { return httpType_; }
    QComboBox* dataTypeBox() const { return dataType_; }
    // A field by its object name ("EditPath", "EditPath2", "EditPhpProgram", "EditHttpStart", ...).
    QLineEdit* field(const QString& name) const;
    QCheckBox* check(const QString& name) const;
    // Presses "OK".
    void confirm();

private:
    QWidget* folderPage(const char* pageName, const QString& label, const char* fieldName,
                        const QString& hint, const QStringList& files, const char* checkName,
                        const QString& checkCaption, bool program);
    QWidget* customPage(const char* pageName, const QString& group, const char* prefix);
    QLineEdit* pathField(QWidget* parent, const char* name, bool program, QWidget** row);
    void switchPage(QStackedWidget* pages, int index);

    Prompts& prompts_;
    QComboBox* dataType_;
    QStackedWidget* dataPages_;
    QComboBox* httpType_;
    QStackedWidget* httpPages_;
};

} // namespace wertan
