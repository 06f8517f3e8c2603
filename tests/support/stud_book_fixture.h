#pragma once
// Small stud-book files written into a temporary folder, for tests that read records.

#include "foundation/data_folder.h"
#include "foundation/fatal_error.h"
#include "foundation/game_state.h"
#include "foundation/program_end.h"
#include "foundation/stud_book_format.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kestrova::testing {

// Points the reader at a fresh folder, records fatal errors instead of ending the
// process, and restores everything afterwards.
class StudBookFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the records, packed, as the file of fileNo.
    void WriteRecords(int16_t fileNo, const QStringList& texts);
    // Writes raw bytes as the file of fileNo.
    void WriteBytes(int16_t fileNo, const QByteArray& bytes);
    QString PathOf(int16_t fileNo) const;

    int fatalErrors = 0;
    QString lastTitle;
    QString lastText;

private:
    QTemporaryDir folder_;
};

// Runs the call and reports whether it took the fatal error path.
template <typename Call>
bool EndsTheProgram(Call call)
{
    try {
        call();
    } catch (const ProgramEnded&) {
        return true;
    }
    return false;
}

}  // namespace kestrova::testing
