#include "app/files/FourInOneFile.h"

#include "app/files/FileFrame.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/StyleBinary.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/FourInOne.h"

bool Write4in1File(const QString& path, const TPara4in1& para)
{
    if (path.isEmpty())
        return false;
    return SaveBinFile(path, [&para](TBinFile& file) {
        WriteFileFrame(file, FileKind::FourInOne, kParamFileVersion);
        Write4in1Data(file, g_4in1Data);
        WritePara4in1(para, file);
    });
}
