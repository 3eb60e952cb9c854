#pragma once
// Programs the batch tool tests run on, written with the image writer.

#include "tools/opimage/program.h"

namespace promptsweep::testing {

// A program whose texts hold "Customer" in every kind of place the tool
// looks: the screen title, a mode, displays with and without a column
// title, an entry field, a box, a confirm, menu options, and messages at
// several depths; a display inside an if-block is not looked at.
inline opimage::Program CustomerProgram() {
    using namespace opimage;
    Program program;
    program.modes = {
        Mode{.name = "add", .label = Text("Add"), .help = Text("Add a new Customer")},
        Mode{.name = "change", .label = Text("Change Customer"), .help = Text("Change details")},
    };

    Entry screen{.kind = EntryKind::Screen, .name = "custmaint"};
    screen.title = Text("Customer Maintenance");
    screen.modes = {"add", "change"};
    screen.body = {
        Display({.row = 2, .column = 3, .text = Text("Customer Code:"), .longForm = true,
                 .columnTitle = Text("Customer")}),
        Accept({.row = 2, .column = 20, .variable = "cust_code", .help = Text("Enter the Customer code"),
                .title = Text("Customer")}),
        Display({.row = 3, .column = 3, .text = Text("Name:")}),
        Box({.top = 1, .left = 1, .bottom = 10, .right = 60, .title = Text("Customer Details")}),
        Confirm({.row = 12, .column = 3, .question = {.text = "Delete Customer record"}}),
        TwoBranch({Display({.row = 5, .column = 3, .text = Text("Customer hidden")}),
                   Message({Text("Customer not found")})},
                  {}),
    };

    Entry menu{.kind = EntryKind::Menu, .name = "mainmenu"};
    menu.body = {
        Option({.row = 1, .column = 1, .text = Text("Customer Enquiry"), .help = Text("Show a Customer")}),
        Option({.row = 2, .column = 1, .text = Text("Orders"), .help = Text("Orders for a Customer")}),
        Option({.row = 3, .column = 1, .text = Text("Exit"), .help = Text("Leave")}),
    };

    Entry posting{.kind = EntryKind::Procedure, .name = "posting"};
    posting.body = {Message({Text("Posting "), Text("Customer balances")})};

    program.entries = {screen, menu, posting};
    return program;
}

// A program with one screen whose title holds `title`.
inline opimage::Program TitledProgram(const std::string& screenName, const std::string& title) {
    using namespace opimage;
    Program program;
    Entry screen{.kind = EntryKind::Screen, .name = screenName};
    screen.title = Text(title);
    program.entries = {screen};
    return program;
}

// A program with one screen of displays, one per text, in order.
inline opimage::Program DisplaysProgram(const std::vector<std::string>& displayTexts) {
    using namespace opimage;
    Program program;
    Entry screen{.kind = EntryKind::Screen, .name = "texts"};
    std::uint32_t row = 1;
    for (const std::string& text : displayTexts) {
        screen.body.push_back(Display({.row = row++, .column = 1, .text = Text(text)}));
    }
    program.entries = {screen};
    return program;
}

}  // namespace promptsweep::testing

namespace promptsweep::testing {

// Items whose companion text alone holds "Customer" (a display's column
// title, an entry field's title, a menu option's text), items placed by
// expressions, a subscripted entry field, and a short display after an
// entry field, which has no title.
inline opimage::Program CompanionProgram() {
    using namespace opimage;
    Program program;
    Entry screen{.kind = EntryKind::Screen, .name = "companions"};
    screen.body = {
        Display({.row = 1, .column = 1, .text = Text("Code:"), .longForm = true, .columnTitle = Text("Customer")}),
        Accept({.row = 2, .column = 5, .variable = "code", .help = Text("Enter code"), .title = Text("Customer")}),
        Display({.row = 3, .column = 1, .text = Text("Customer Name")}),
        Accept({.row = kComputed | 4, .column = 5, .variable = "lines", .subscript = Subscript(3),
                .help = Text("Customer line")}),
        Display({.row = 5, .column = kComputed | 1, .text = Text("Customer total")}),
        Box({.top = kComputed | 1, .left = 1, .title = Text("Customer")}),
    };
    Entry menu{.kind = EntryKind::Menu, .name = "m"};
    menu.body = {Option({.row = 1, .column = 1, .text = Text("Customer"), .help = Text("Show")}),
                 Option({.row = 2, .column = 1, .text = Text("Customer"), .noText = true})};
    program.entries = {screen, menu};
    return program;
}

}  // namespace promptsweep::testing
