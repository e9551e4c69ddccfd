// Times the viewers' work that the user waits for.
//
//   bench_viewers
//
// Each section prints its own figures; add a section to the table below.
#include "benchsupport.h"

#include <QApplication>
#include <QTextStream>

void benchSlideShowTick(QTextStream &out);
void benchPageTurn(QTextStream &out);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    const BenchSection sections[] = {
        { "slide show: one timed slide", benchSlideShowTick },
        { "brochure: one page turn", benchPageTurn },
    };
    for (const BenchSection &section : sections) {
        out << "== " << section.name << Qt::endl;
        section.run(out);
    }
    return 0;
}
