// The bare window with one line of Chinese text in the interface's Ming face:
// the least any window with a Traditional Chinese caption loads (the font
// database and one CJK face). bench/startup.py shows the program beside it
// too, so the part of the gap that no Chinese window can avoid is visible.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamilies({font.family(), QStringLiteral("AR PL UMing TW")});
    QApplication::setFont(font);
    QLabel window(QStringLiteral("岑禾　存檔　預覽列印　技術支援　結束　第 1 頁"));
    window.resize(1018, 851);
    window.show();
    return app.exec();
}
