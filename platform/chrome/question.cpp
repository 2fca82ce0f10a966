// The Yes/No question: a modal box over the screen with the caption "Rendaro", a question mark of our
// own, the text of a string and the two buttons.
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/chrome/chrome.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/window/widget.h"
#include "resources/strings.h"

namespace {

constexpr int Margin = 8;
constexpr int CaptionHeight = 20;
constexpr int IconSize = 32;
constexpr int LineHeight = look::FontCell + 2;
constexpr int ButtonWidth = 56;
constexpr int ButtonHeight = 22;
constexpr Colour IconBlue = RGB(40, 96, 200);

// An answer given before any question was asked waits for the next one.
std::optional<bool> earlyAnswer;

class QuestionBox final : public Widget {
public:
    explicit QuestionBox(const char* text) : lines_(look::wrapText(text, textWidth())) {}

    std::optional<bool> answer;

    Rect frame() const {
        const Rect client = clientAreaRect();
        const int textHeight = static_cast<int>(lines_.size()) * LineHeight;
        const int h = CaptionHeight + Margin + std::max(IconSize, textHeight) + Margin + ButtonHeight + Margin + 2;
        const int top = client.top + (look::height(client) - h) / 2;
        return {client.left + Margin, top, client.right - Margin, top + h};
    }
    Rect button(bool yes) const {
        const Rect f = frame();
        const int centre = (f.left + f.right) / 2;
        const int left = yes ? centre - Margin / 2 - ButtonWidth : centre + Margin / 2;
        const int top = f.bottom - 1 - Margin - ButtonHeight;
        return {left, top, left + ButtonWidth, top + ButtonHeight};
    }

    void draw(HDC screen) const override {
        const Rect f = frame();
        look::box(screen, f, look::White, look::Black);
        look::box(screen, {f.left + 1, f.top + 1, f.right - 1, f.top + 1 + CaptionHeight}, look::TitleBlue,
                  look::TitleBlue);
        look::text(screen, "Rendaro", {f.left + 6, f.top + 1, f.right, f.top + 1 + CaptionHeight}, look::White,
                   look::Align::Left, true);
        const int bodyTop = f.top + 1 + CaptionHeight + Margin;
        drawIcon(screen, {f.left + Margin, bodyTop, f.left + Margin + IconSize, bodyTop + IconSize});
        const int textLeft = f.left + 2 * Margin + IconSize;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const int top = bodyTop + static_cast<int>(i) * LineHeight;
            look::text(screen, lines_[i].c_str(), {textLeft, top, f.right - Margin, top + LineHeight}, look::Black,
                       look::Align::Left);
        }
        for (bool yes : {true, false}) {
            look::box(screen, button(yes), look::BarGrey, look::Black);
            look::text(screen, yes ? "Yes" : "No", button(yes), look::Black, look::Align::Centre);
        }
    }

    void penDown(Point) override {}
    void penUp(Point p) override {
        for (bool yes : {true, false})
            if (look::contains(button(yes), p)) answer = yes;
    }
    void key(uint32_t key, uint32_t modifiers) override {
        if (modifiers != 0) return;
        if (key == 'Y' || key == KeyEnter) answer = true;
        if (key == 'N' || key == KeyEscape) answer = false;
    }

private:
    // Inside the frame's margins, right of the icon.
    static int textWidth() { return look::width(clientAreaRect()) - 5 * Margin - IconSize; }

    // A blue disc with a white question mark.
    static void drawIcon(HDC screen, const Rect& r) {
        {
            const look::Selected pen(screen, GetStockObject(NULL_PEN));
            const look::Selected brush(screen, CreateSolidBrush(IconBlue), true);
            Ellipse(screen, r.left, r.top, r.right + 1, r.bottom + 1);
        }
        look::text(screen, "?", r, look::White, look::Align::Centre, true);
    }

    std::vector<std::string> lines_;
};

QuestionBox* openQuestion = nullptr;

}  // namespace

bool askYesNo(int stringId) {
    backendTrace("ask %d", stringId);
    if (earlyAnswer) {
        const bool yes = *earlyAnswer;
        earlyAnswer.reset();
        return yes;
    }
    const char* text = loadString(stringId);
    QuestionBox box(text != nullptr ? text : "");
    // What waits to be painted (a pop-up just closed) is painted first, so the box stands over the
    // window as it is.
    if (Rect pending{}; GetUpdateRect(pending)) SendMessage(WM_PAINT, 0, 0);
    openQuestion = &box;
    openWidget(box);
    // Ending input, or closing the program, while the question is open answers No.
    if (!runModalLoop([&] { return box.answer.has_value(); })) box.answer = false;
    closeWidget(box);
    openQuestion = nullptr;
    restoreScreenUnderWidgets();
    return *box.answer;
}

void answerQuestion(bool yes) {
    if (openQuestion != nullptr)
        openQuestion->answer = yes;
    else
        earlyAnswer = yes;
}
