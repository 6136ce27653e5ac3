#include <gtest/gtest.h>

#include "core/ResourceManager.h"

using namespace nimbus;

namespace {

struct Counted {
    explicit Counted(int& deaths) : deaths_(deaths) {}
    ~Counted() { ++deaths_; }
    int& deaths_;
};

class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = setResourceManager(new ResourceManager); }
    void TearDown() override { delete setResourceManager(previous_); }
    ResourceManager* previous_ = nullptr;
    int deaths = 0, otherDeaths = 0;
};

TEST(ResourceHandle, TheRingOwnsTheObject) {
    int deaths = 0;
    {
        ResourceHandle<Counted> a(new Counted(deaths));
        {
            ResourceHandle<Counted> b = a;
            ResourceHandle<Counted> c;
            c = b;
            EXPECT_EQ(c.get(), a.get());
        }
        EXPECT_EQ(deaths, 0);
        EXPECT_TRUE(a.alone());
        ResourceHandle<Counted> d(a);
        d = ResourceHandle<Counted>(new Counted(deaths));  // leaves a's ring
        EXPECT_EQ(deaths, 0);
    }
    EXPECT_EQ(deaths, 2);
    ResourceHandle<Counted> empty;
    empty.release();
    EXPECT_FALSE(empty);
}

TEST_F(ResourceTest, AReplacementReachesEveryHandleAndDestroysTheOldOnce) {
    Counted* x = new Counted(deaths);
    Counted* y = new Counted(otherDeaths);
    EXPECT_TRUE(registerResource("Textures/a", x, "Texture"));
    ResourceHandle<Counted> held = getResource<Counted>("Textures/a", "Texture");
    ResourceHandle<Counted> copy = held;
    EXPECT_EQ(held.get(), x);
    EXPECT_FALSE(registerResource("Textures/a", y, "Texture"));
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(held.get(), y);
    EXPECT_EQ(copy.get(), y);
    EXPECT_EQ(getResource<Counted>("Textures/a", "Texture").get(), y);

    delete setResourceManager(nullptr);
    EXPECT_EQ(otherDeaths, 0);  // still held
    held.release();
    copy.release();
    EXPECT_EQ(otherDeaths, 1);
    EXPECT_EQ(deaths, 1);
}

TEST_F(ResourceTest, LookupNeedsTheNameAndTheExactType) {
    registerResource("Textures/a", new Counted(deaths), "Texture");
    for (const char* type : {"Mesh", "texture"})
        EXPECT_EQ(resourceManager()->find("Textures/a", type), nullptr);
    EXPECT_NE(resourceManager()->find("Textures/a", "Texture"), nullptr);
    EXPECT_FALSE(getResource<Counted>("Textures/b", "Texture"));
    { ResourceHandle<Counted> copy = getResource<Counted>("Textures/a", "Texture"); }
    EXPECT_EQ(deaths, 0);
    // An entry refuses an object of another type, which is destroyed.
    EXPECT_FALSE(registerResource("Textures/a", new Counted(otherDeaths), "Mesh"));
    EXPECT_EQ(otherDeaths, 1);
    EXPECT_NE(resourceManager()->find("Textures/a", "Texture"), nullptr);
}

TEST_F(ResourceTest, ReplacingWithTheSameObjectDestroysNothing) {
    Counted* x = new Counted(deaths);
    registerResource("Meshes/m", x, "Mesh");
    ResourceHandle<Counted> held = getResource<Counted>("Meshes/m", "Mesh");
    // A second entry for the same object, sharing its ring.
    auto* again = new SimpleResource<Counted>(nullptr, "Mesh");
    again->assign(*resourceManager()->find("Meshes/m", "Mesh"));
    EXPECT_FALSE(resourceManager()->add("Meshes/m", again));
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(held.get(), x);
}

}  // namespace
