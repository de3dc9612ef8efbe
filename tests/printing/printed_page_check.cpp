// Checks a printed chart page for the end-to-end print check of the real
// program: prints what is wrong with it and fails, or prints "page ok".
//
//   printed_page_check FILE.pdf [--orange]

#include <QCoreApplication>
#include <cstdio>

#include "tests/printing/printed_chart_checks.hpp"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: printed_page_check FILE.pdf [--orange]\n");
        return 2;
    }
    const QStringList problems = kesora::testing::ProblemsWithPrintedChart(
        arguments[1], {.hourShown = true, .markedOrange = arguments.contains(QStringLiteral("--orange"))});
    for (const QString& problem : problems) std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (problems.isEmpty()) std::printf("page ok\n");
    return problems.isEmpty() ? 0 : 1;
}
