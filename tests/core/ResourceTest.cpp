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

// Lookup needs the name and the exact type. An object of another type, or a second entry
// for the same object, changes nothing; the last handle outlives the manager.
TEST_F(ResourceTest, AReplacementReachesEveryHandleAndDestroysTheOldOnce) {
    Counted* x = new Counted(deaths);
    Counted* y = new Counted(otherDeaths);
    EXPECT_TRUE(registerResource("Textures/a", x, "Texture"));
    for (const char* type : {"Mesh", "texture"})
        EXPECT_EQ(resourceManager()->find("Textures/a", type), nullptr);
    EXPECT_FALSE(getResource<Counted>("Textures/b", "Texture"));
    ResourceHandle<Counted> held = getResource<Counted>("Textures/a", "Texture");
    ResourceHandle<Counted> copy = held;
    EXPECT_EQ(held.get(), x);
    EXPECT_FALSE(registerResource("Textures/a", y, "Texture"));
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(std::make_pair(held.get(), copy.get()), std::make_pair(y, y));
    EXPECT_EQ(getResource<Counted>("Textures/a", "Texture").get(), y);

    int strangerDeaths = 0;
    EXPECT_FALSE(registerResource("Textures/a", new Counted(strangerDeaths), "Mesh"));
    EXPECT_EQ(strangerDeaths, 1);
    auto* again = new SimpleResource<Counted>(nullptr, "Texture");  // sharing the entry's ring
    again->assign(*resourceManager()->find("Textures/a", "Texture"));
    EXPECT_FALSE(resourceManager()->add("Textures/a", again));
    EXPECT_EQ(held.get(), y);

    // A name added with nothing takes the next object added under it.
    resourceManager()->add("Textures/c", nullptr);
    registerResource("Textures/c", new Counted(strangerDeaths), "Texture");
    EXPECT_TRUE(getResource<Counted>("Textures/c", "Texture"));

    delete setResourceManager(nullptr);
    EXPECT_EQ(otherDeaths, 0);  // still held
    held.release();
    copy.release();
    EXPECT_EQ(std::make_pair(otherDeaths, deaths), std::make_pair(1, 1));
}

}  // namespace
