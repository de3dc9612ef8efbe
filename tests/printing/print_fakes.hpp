#pragma once
// Stand-ins for the printer system and the file dialog, and message boxes that
// also note whether the chart's picture buttons were showing at each box.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "chart_view/printing/pdf_file_chooser.hpp"
#include "chart_view/printing/printer_system.hpp"
#include "tests/support/scripted_boxes.hpp"

namespace kesora::testing {

class FakePrinters final : public chart_view::PrinterSystem {
public:
    std::optional<chart_view::DefaultPrinter> printer;
    bool accept = true;
    QString refusal;
    QStringList submittedCopies;  // a copy of every PDF handed over
    QStringList titles;

    std::optional<chart_view::DefaultPrinter> defaultPrinter() override { return printer; }
    chart_view::PrintJob submit(const chart_view::DefaultPrinter& target, const QString& pdfPath,
                                const QString& title) override {
        if (target.name != printer->name) qFatal("job sent to a printer that is not the default");
        const QString copy = kept_.filePath(QStringLiteral("job%1.pdf").arg(submittedCopies.size()));
        QFile::copy(pdfPath, copy);
        submittedCopies << copy;
        titles << title;
        return {accept, accept ? QString() : refusal};
    }

private:
    QTemporaryDir kept_;
};

class ScriptedPdfFiles final : public chart_view::PdfFileChooser {
public:
    std::optional<QString> answer;
    int asked = 0;
    QString suggested;
    std::optional<QString> choosePdfPath(QWidget*, const QString& suggestedName) override {
        ++asked;
        suggested = suggestedName;
        return answer;
    }
};

// Records, for every box, what `watch` says at that moment.
class WatchingBoxes final : public MessageBoxes {
public:
    ScriptedBoxes script;
    std::function<bool()> watch;
    QList<bool> watched;

    void inform(std::string_view title, std::string_view text) override {
        note();
        script.inform(title, text);
    }
    void notify(std::string_view title, std::string_view text) override {
        note();
        script.notify(title, text);
    }
    int ask(std::string_view title, std::string_view text) override {
        note();
        return script.ask(title, text);
    }

private:
    void note() { watched << (watch ? watch() : false); }
};

}  // namespace kesora::testing
