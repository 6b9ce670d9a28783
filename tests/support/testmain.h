#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Test executables run several test classes. Each test source registers its class with
// ROSTERMAKER_REGISTER_TEST(Class); the shared main runs them all, or only the one named by the first
// argument "-class=Name".

using TestClassFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<std::pair<const char*, TestClassFactory>>& RegisteredTestClasses();

struct TestClassRegistration {
    TestClassRegistration(const char* name, TestClassFactory factory)
    {
        RegisteredTestClasses().emplace_back(name, std::move(factory));
    }
};

int RunRegisteredTests(int argc, char** argv);

#define ROSTERMAKER_REGISTER_TEST(Class)                                                                     \
    static const TestClassRegistration Class##Registration(#Class, [] { return std::make_unique<Class>(); });
