#include "tests/support/TestHost.h"

#include <system_error>

#include "host/DataFolder.h"
#include "host/GameNames.h"
#include "host/Picture.h"
#include "host/ScriptRunner.h"

namespace Quorvel::Testing {

using Corvane::Host::LoadResult;

TestHost::TestHost() : dataFolder(Corvane::Host::MakeTemporaryFolder("quorvel-test")) {
    ownsDataFolder = !dataFolder.empty();
    Start();
}

TestHost::TestHost(const std::filesystem::path& dataFolder) : dataFolder(dataFolder) {
    Start();
}

void TestHost::Start() {
    Corvane::Host::SessionSettings settings;
    settings.dataFolder = dataFolder;
    settings.errors = &errors;
    settings.log = [this](const std::string& line) {
        lines.push_back(line);
    };
    session = std::make_unique<Corvane::Host::Session>(std::move(settings));
}

TestHost::~TestHost() {
    session.reset();
    if (ownsDataFolder) {
        std::error_code ignored;
        std::filesystem::remove_all(dataFolder, ignored);
    }
}

bool TestHost::Load(const Corvane::Plugin::PluginRecord* record) {
    return session->LoadRecord(record) == LoadResult::Loaded;
}

bool TestHost::Load(const std::filesystem::path& module) {
    return session->LoadModule(module) == LoadResult::Loaded;
}

void TestHost::Unload() {
    session->Unload();
}

void TestHost::Run(const std::string& line) {
    session->GetConsole().Execute(line);
}

std::string TestHost::LastLine() const {
    return lines.empty() ? std::string() : lines.back();
}

std::string TestHost::Variable(const std::string& name) const {
    const Corvane::Host::ConsoleVariable* variable = session->GetConsole().Find(name);
    return variable == nullptr ? std::string() : variable->Value();
}

void TestHost::EnterReplay(int fps) {
    GetWorld().EnterReplay(fps);
}

void TestHost::EnterGame() {
    GetWorld().EnterGame();
}

void TestHost::Leave() {
    GetWorld().Leave();
}

void TestHost::EnterFlycam() {
    GetWorld().SetCameraState(Corvane::Host::kFlyCameraState);
}

void TestHost::SetCameraState(const std::string& state) {
    GetWorld().SetCameraState(state);
}

void TestHost::SetCamera(Vector location, Rotator rotation, float fov) {
    GetWorld().PlaceCamera(POV{location, rotation, fov});
}

POV TestHost::Camera() const {
    return session->GetWorld().GetCamera().Pov();
}

void TestHost::SetFrame(int frame) {
    GetWorld().SkipToFrame(frame);
}

void TestHost::Tick(int count) {
    for (int i = 0; i < count; ++i)
        GetWorld().Tick();
}

void TestHost::Pause() {
    GetWorld().SetPaused(true);
}

void TestHost::Play() {
    GetWorld().SetPaused(false);
}

void TestHost::MouseMove(float x, float y) {
    GetWorld().Pointer().MoveTo(x, y);
}

void TestHost::MouseDown(int button) {
    GetWorld().Pointer().Press(button);
}

void TestHost::MouseUp(int button) {
    GetWorld().Pointer().Release(button);
}

void TestHost::Wheel(float notches) {
    GetWorld().Pointer().Scroll(notches);
}

void TestHost::KeyDown(Corvane::Host::Key key) {
    GetWorld().Keyboard().Press(key);
}

void TestHost::KeyUp(Corvane::Host::Key key) {
    GetWorld().Keyboard().Release(key);
}

void TestHost::TypeText(const std::string& text) {
    GetWorld().Keyboard().Type(text);
}

Corvane::Host::WidgetInput TestHost::Widgets() {
    return Corvane::Host::WidgetInput(GetWorld(), [this] { GetWorld().Tick(); });
}

bool TestHost::Click(const std::string& label) {
    return Widgets().Click(label);
}

bool TestHost::Drag(const std::string& label, float dx, float dy) {
    return Widgets().Drag(label, dx, dy);
}

bool TestHost::Type(const std::string& label, const std::string& text) {
    return Widgets().Type(label, text);
}

std::optional<Corvane::Host::WidgetRect> TestHost::Widget(const std::string& label) const {
    return session->GetWorld().Gui().Widgets().Find(label);
}

const std::vector<Corvane::Host::CanvasCall>& TestHost::CanvasCalls() const {
    return session->GetWorld().GetCanvas().Calls();
}

const std::vector<Corvane::Host::CanvasProjection>& TestHost::Projections() const {
    return session->GetWorld().GetCanvas().Projections();
}

Corvane::Host::Image TestHost::Picture() const {
    return Corvane::Host::TakePicture(session->GetWorld());
}

int TestHost::RunScript(const std::string& script) {
    Corvane::Host::ScriptRunner runner(*session, "test");
    return runner.Run(script);
}

bool TestHost::Faulted() const {
    return session->GetGuard().Faulted();
}

} // namespace Quorvel::Testing
