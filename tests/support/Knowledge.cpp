#include "support/Knowledge.h"

#include "support/ProgramFolder.h"

void WriteKnowledge(const ProgramFolder &folder)
{
    folder.WriteData(QStringLiteral("keywords.txt"), {"[greetings.txt]", "0001 hello", "0002 how are you", "[missing.txt]", "0001 broken"});
    folder.WriteData(QStringLiteral("greetings.txt"), {"*0001", "# Hello [name], how are you", "*0002", "# fine. hello again", "*"});
    folder.WriteData(QStringLiteral("preset1.txt"), {"[Preset2.txt]", "0022 why", "0021 call me ", "0022  hi ", "0024 not telling"});
    folder.WriteData(QStringLiteral("Preset2.txt"), {"*0010", "# but what?", "*0013", "# one word, please.", "*0022", "# so i know what to call you.",
                                                     "*0021", "@username[next]", "# welcome, [name]!",
                                                     "*0024", "@username friend", "# fine, [name] it is.", "*"});
    folder.WriteData(QStringLiteral("Preset3.txt"), {"*0001", "# Nice to meet you, [name]!", "*0002", "# Hello, what is your name?", "*"});
    folder.WriteData(QStringLiteral("Preset4.txt"), {"*0001", "# tell me more.", "*"});
}
