// Velmora's one application object and the program entry.
#include "CWinApp.h"
#include "DiaryApp.h"

CDiaryApp theApp;

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
