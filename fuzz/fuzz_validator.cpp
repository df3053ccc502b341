// The validator's walk against its counts read the plain way: every kind of
// line, the missing files, the entries gathered and the missing references (a
// code with no entry, a short attribute line, or any entry that leaves no text).
// Input, in the parts Fuzz::Split cuts: files; keywords.txt is the index.
#include "FuzzSupport.h"
#include "Model.h"

#include "common/DataFolder.h"
#include "common/TextFile.h"
#include "tools/KeywordValidator.h"

#include <QFileInfo>

namespace {

bool IsDataFile(const QString &sName)
{
    const DataFolder::Resolution resolved = DataFolder::Resolve(DataFolder::DataPath(sName));
    return !resolved.sPath.isEmpty() && QFileInfo(resolved.sPath).isFile();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::BeginInput();
    Fuzz::WriteFiles(Fuzz::Split(data, size, 0));
    KeywordValidator validator;
    validator.Run();
    const KeywordValidator::Counts &got = validator.counts();
    const QString sCounts = QStringLiteral("lines %1 blanks %2 comments %3 keywords %4 refs %5 missing files %6 refs %7 errors %8 "
                                           "statements %9 questions %10")
                                .arg(got.LineCounter).arg(got.sBlanks).arg(got.sComments).arg(got.sWorkingWords).arg(got.RefFound)
                                .arg(got.sMissingFiles).arg(got.sMissingReferences).arg(got.sErrors).arg(got.sStatements).arg(got.sQuestions);
    FUZZ_CHECK(got.sErrors == got.sMissingFiles + got.sMissingReferences, sCounts);
    FUZZ_CHECK(got.sWorkingWords + got.sComments + got.sBlanks + got.RefFound == got.LineCounter, sCounts);
    FUZZ_CHECK(validator.Report().endsWith(got.sErrors ? QStringLiteral("errors were encountered") : QStringLiteral("Successfully")), sCounts);

    const std::optional<QString> index = Model::ReadData(KeywordValidator::IndexFileName());
    if (!index) {
        FUZZ_CHECK(got.LineCounter == 0 && got.sMissingFiles == 1, sCounts);
        return 0;
    }
    KeywordValidator::Counts want;
    int nMissing = 0;
    QString sSection;
    for (const QStringView line : TextFile::SplitLines(*index)) {
        ++want.LineCounter;
        if (line.isEmpty()) {
            ++want.sBlanks;
        } else if (line[0] == u'/') {
            ++want.sComments;
        } else if (line[0] == u'[') {
            ++want.RefFound;
            sSection = line.size() < 2 ? QString() : line.mid(1, line.size() - 2).toString();
            want.sMissingFiles += line.size() >= 2 && !IsDataFile(sSection);
            nMissing += line.size() < 2;
        } else {
            ++want.sWorkingWords;
            const std::optional<QString> text = line.size() < 5 || sSection.isEmpty() ? std::nullopt : Model::ReadData(sSection);
            const Model::Block block = text ? Model::Gather(*text, line.first(4).toString(), 3) : Model::Block{};
            want.sStatements += block.nStatements;
            want.sQuestions += block.nQuestions;
            // The verdict does not hang on a pick: one entry that leaves no text is a missing reference.
            bool unusable = block.shortAttribute || block.entries.isEmpty();
            for (const QString &sEntry : block.entries)
                unusable = unusable || Model::Outcome(sEntry, QString(), KeywordMatch{}, QString(), false).sText.isEmpty();
            nMissing += unusable;
        }
    }
    FUZZ_CHECK(got.LineCounter == want.LineCounter && got.sBlanks == want.sBlanks && got.sComments == want.sComments
                   && got.RefFound == want.RefFound && got.sWorkingWords == want.sWorkingWords && got.sMissingFiles == want.sMissingFiles
                   && got.sStatements == want.sStatements && got.sQuestions == want.sQuestions,
               sCounts);
    FUZZ_CHECK(got.sMissingReferences == nMissing, sCounts + QStringLiteral(" expected missing references %1").arg(nMissing));
    return 0;
}
