// dentaro_nl: the gear program with the Dutch texts.
#include "qt/gui_main.h"
#include "texts/text_table.h"

int main(int argc, char* argv[]) {
    return RunDentaroGui(argc, argv, DutchTexts());
}
