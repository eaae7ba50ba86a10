#include <gtest/gtest.h>

#include "support/material_scene.h"

namespace meshmill {
namespace {

using testing::MaterialScene;
using testing::scene_with_materials;
using Message = testing::ScriptedPrompt::Message;

const Message invalid_file{"This .ase file is invalid, make sure you don't edit it manually.", 16,
                           "Error"};

// Eight materials: one of each branch of the scan.
const char* const every_branch = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Asphalt"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_AMBIENT 0.5882	0.5882	0.5882
		*MATERIAL_DIFFUSE 0.5882	0.5882	0.5882
		*MATERIAL_SPECULAR 0.9000	0.9000	0.9000
		*MATERIAL_SHINE 0.1000
		*MATERIAL_SHINESTRENGTH 0.0000
		*MATERIAL_TRANSPARENCY 0.0000
		*MATERIAL_WIRESIZE 1.0000
		*MATERIAL_SHADING Blinn
		*MATERIAL_XP_FALLOFF 0.0000
		*MATERIAL_SELFILLUM 0.0000
		*MATERIAL_FALLOFF In
		*MATERIAL_XP_TYPE Filter
		*MAP_DIFFUSE {
			*MAP_NAME "Asphalt map"
			*MAP_CLASS "Bitmap"
			*MAP_SUBNO 1
			*MAP_AMOUNT 1.0000
			*BITMAP "C:\3dsmax\maps\asphalt.tga"
			*MAP_TYPE Screen
			*BITMAP_FILTER Pyramidal
		}
	}
	*MATERIAL 1 {
		*MATERIAL_NAME "Plain"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_AMBIENT 1.000000	1.000000	1.000000
		*MATERIAL_DIFFUSE 0.5882	0.5882	0.5882
		*MATERIAL_TRANSPARENCY 0.000000
		*MATERIAL_WIRESIZE 1.0000
		*MATERIAL_SHADING Blinn
	}
	*MATERIAL 2 {
		*MATERIAL_NAME "Barrier"
		*MATERIAL_CLASS "GTA Material"
		*MATERIAL_AMBIENT 1.0000	1.0000	1.0000
		*MATERIAL_DIFFUSE 0.2000	0.2000	0.2000
		*MATERIAL_TRANSPARENCY 0.0000
		*MATERIAL_WIRESIZE 1.0000
		*MAP_DIFFUSE {
			*MAP_NAME "barrier_map"
			*MAP_CLASS "Bitmap"
			*BITMAP "C:\3dsmax\maps/fence.tga"
			*MAP_TYPE Screen
		}
	}
	*MATERIAL 3 {
		*MATERIAL_NAME "Garage"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_AMBIENT 0.5882	0.5882	0.5882
		*MATERIAL_DIFFUSE 0.5882	0.5882	0.5882
		*MATERIAL_TRANSPARENCY 0.0000
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 3
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "Brick"
			*MATERIAL_CLASS "Standard"
			*MATERIAL_AMBIENT 0.5882	0.5882	0.5882
			*MATERIAL_DIFFUSE 0.5882	0.5882	0.5882
			*MATERIAL_TRANSPARENCY 0.0000
			*MATERIAL_WIRESIZE 1.0000
			*MAP_DIFFUSE {
				*MAP_NAME "Brick map"
				*MAP_CLASS "Bitmap"
				*BITMAP "C:\3dsmax\maps\brick.wall.tga"
				*MAP_TYPE Screen
			}
		}
		*SUBMATERIAL 1 {
			*MATERIAL_NAME "Roof"
			*MATERIAL_CLASS "GTA Material"
			*MATERIAL_AMBIENT 0.3000	0.3000	0.3000
			*MATERIAL_DIFFUSE 0.4000	0.3000	0.3000
			*MATERIAL_TRANSPARENCY 0.0000
			*MATERIAL_WIRESIZE 1.0000
			*MAP_DIFFUSE {
				*MAP_NAME "roof map"
				*MAP_CLASS "Bitmap"
				*BITMAP "D:roof.tga"
			}
		}
		*SUBMATERIAL 2 {
			*MATERIAL_NAME "Window"
			*MATERIAL_CLASS "Standard"
			*MATERIAL_AMBIENT 0.2000	0.3000	0.4000
			*MATERIAL_DIFFUSE 0.2000	0.3000	0.4000
			*MATERIAL_TRANSPARENCY 0.5000
			*MATERIAL_WIRESIZE 1.0000
		}
	}
	*MATERIAL 4 {
		*MATERIAL_NAME "Red"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_AMBIENT 0.8000	0.1000	0.1000
		*MATERIAL_DIFFUSE 0.9000	0.1000	0.1000
		*MATERIAL_TRANSPARENCY 0.0000
		*MATERIAL_WIRESIZE 1.0000
	}
	*MATERIAL 5 {
		*MATERIAL_NAME "Mirror"
		*MATERIAL_CLASS "Raytrace"
		*MATERIAL_AMBIENT 0.1000	0.1000	0.1000
		*MATERIAL_DIFFUSE 0.9000	0.1000	0.1000
		*MATERIAL_WIRESIZE 1.0000
		*MAP_DIFFUSE {
			*MAP_NAME "Mirror map"
			*BITMAP "C:\maps\mirror.tga"
		}
	}
	*MATERIAL 6 {
		*MATERIAL_NAME "Glass"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_AMBIENT 1.0	1	1.0000
		*MATERIAL_DIFFUSE 1.0000	1.0000	1.0000
		*MATERIAL_TRANSPARENCY 0.5000
		*MATERIAL_WIRESIZE 1.0000
	}
	*MATERIAL 7 {
		*MATERIAL_NAME "Smoke"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_AMBIENT 0.1000	0.1000	0.1000
		*MATERIAL_DIFFUSE 0.1000	0.1000	0.1000
		*MATERIAL_TRANSPARENCY 0.2500
		*MATERIAL_WIRESIZE 1.0000
	}
)";

TEST(MaterialScan, FillsOneSlotPerMaterialAndSubMaterial) {
  MaterialScene t(scene_with_materials(8, every_branch));
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  const SceneState& scene = t.session.scene;
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(scene.project_mapped, 1);
  EXPECT_EQ(scene.nr_mapped_objs, 8);
  EXPECT_EQ(scene.nr_max_mats2, 3);
  EXPECT_EQ(scene.submat_count, (std::vector<std::int64_t>{0, 0, 0, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(scene.nr_submats, (std::vector<std::int64_t>{0, 0, 0, 2, 0, 0, 0, 0, 0}));
  EXPECT_EQ(scene.mat_names.rows(), 9u);
  EXPECT_EQ(scene.mat_names.columns(), 4u);

  // Standard with a map: the bitmap path as it stands.
  EXPECT_EQ(t.name(0), "Asphalt , C:\\3dsmax\\maps\\asphalt.tga");
  EXPECT_EQ(scene.mat_colors.at(0, 0), "0.5882\t0.5882\t0.5882");
  EXPECT_EQ(scene.mat_opacity.at(0, 0), "");
  // White (six decimals), zero transparency, no map: an empty material.
  EXPECT_EQ(t.name(1), "[{empty material}] , [{empty material}]");
  EXPECT_EQ(scene.mat_colors.at(1, 0), "");
  // GTA material: the map's name, and the texture's base name with ".tga".
  EXPECT_EQ(t.name(2), "barrier_map , fence.tga");
  // Multi/sub-object: a standard sub-material's texture is the base name only.
  EXPECT_EQ(t.name(3, 0), "Brick , brick.wall");
  EXPECT_EQ(t.name(3, 1), "roof map , roof.tga");
  EXPECT_EQ(scene.mat_colors.at(3, 1), "0.3000\t0.3000\t0.3000");
  EXPECT_EQ(t.name(3, 2), "(Extra material_1) , (Extra_mat_1)");
  EXPECT_EQ(scene.mat_colors.at(3, 2), "0.2000\t0.3000\t0.4000");
  EXPECT_EQ(scene.mat_opacity.at(3, 2), "0.5000");
  EXPECT_EQ(t.name(3, 3), "");
  // A colour without texture or transparency.
  EXPECT_EQ(t.name(4), "(Extra material_2) , [{empty material}]");
  EXPECT_EQ(scene.mat_colors.at(4, 0), "0.8000\t0.1000\t0.1000");
  // An unknown class stays empty and the materials after it are read in step.
  EXPECT_EQ(t.name(5), "");
  // The same transparency text shares the first one's pixelmap.
  EXPECT_EQ(t.name(6), "(Extra material_3) , (Extra_mat_1)");
  EXPECT_EQ(scene.mat_colors.at(6, 0), "");
  EXPECT_EQ(t.name(7), "(Extra material_4) , (Extra_mat_4)");
  EXPECT_EQ(scene.extra_mats,
            (std::vector<std::string>{
                "(Extra material_1) , (Extra_mat_1) , 0.5000 , 0.2000\t0.3000\t0.4000",
                "(Extra material_3) , (Extra_mat_1) , 0.5000 , -1",
                "(Extra material_4) , (Extra_mat_4) , 0.2500 , 0.1000\t0.1000\t0.1000"}));

  // Only coloured ambient lines are compared with their diffuse line.
  EXPECT_EQ(t.special_materials(),
            "Multimat. 3, submat. 1 : this material has different 'ambient' and 'diffuse' "
            "settings, only the 'ambient' color was used.\r\n"
            "Material 'Red' (4) : this material has different 'ambient' and 'diffuse' settings, "
            "so only the 'ambient' color was used.\r\n");
  EXPECT_GT(t.pump.yields, 0);
}

TEST(MaterialScan, NoMaterialsLeavesTheTableAlone) {
  MaterialScene t(scene_with_materials(0, ""));
  t.session.scene.mat_names.reset(2, 1);
  t.session.scene.mat_names.at(1, 0) = "earlier , scene.tga";
  t.session.scene.project_mapped = 1;
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_EQ(t.session.scene.project_mapped, 0);
  EXPECT_EQ(t.session.scene.nr_mapped_objs, 0);
  EXPECT_EQ(t.name(1), "earlier , scene.tga");
  EXPECT_EQ(t.session.scene.submat_count, (std::vector<std::int64_t>{0}));

  // 3ds Max writes -1 for a scene without any material.
  MaterialScene none(scene_with_materials(-1, ""));
  ASSERT_EQ(none.analyse(), PassOutcome::completed);
  EXPECT_EQ(none.session.scene.project_mapped, 0);

  // Without a material list the scene simply has no materials, and the end
  // of the file past the list (objects the passes see in lower case) only
  // ends the pass.
  for (const char* text : {"*SCENE {\n}\n*GEOMOBJECT {\n\t*NODE_NAME \"Box01\"\n}\n",
                           "*SCENE {\n}\n*geomobject {\n\t*NODE_NAME \"Box01\"\n}\n"}) {
    MaterialScene unlisted(text);
    ASSERT_EQ(unlisted.analyse(), PassOutcome::completed);
    EXPECT_EQ(unlisted.session.scene.project_mapped, 0);
    EXPECT_TRUE(unlisted.prompt.messages.empty());
  }
  std::string lower_case_object = scene_with_materials(0, "");
  lower_case_object.replace(lower_case_object.find("*GEOMOBJECT"), 11, "*geomobject");
  MaterialScene lower(lower_case_object);
  EXPECT_EQ(lower.analyse(), PassOutcome::completed);
}

TEST(MaterialScan, SkipsSubMaterialsPastTheirCount) {
  // Two sub-material blocks under a count of 1: the second is passed over
  // and the next material is read in step. The list ends on the first object.
  MaterialScene t(R"(*MATERIAL_LIST {
	*MATERIAL_COUNT 2
	*MATERIAL 0 {
		*MATERIAL_NAME "Multi"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 1
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "Kept"
			*MATERIAL_CLASS "Standard"
			*MATERIAL_AMBIENT 0.5000	0.5000	0.5000
			*MATERIAL_DIFFUSE 0.5000	0.5000	0.5000
		}
		*SUBMATERIAL 1 {
			*MATERIAL_NAME "Extra"
			*MATERIAL_CLASS "Standard"
		}
	}
	*MATERIAL 1 {
		*MATERIAL_NAME "Last"
		*MATERIAL_CLASS "Blend"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 2
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "Inner"
			*MATERIAL_CLASS "Standard"
		}
	}
}
*GEOMOBJECT {
	*NODE_NAME "Box01"
}
)");
  ASSERT_EQ(t.analyse(), PassOutcome::completed);
  EXPECT_TRUE(t.prompt.messages.empty());
  EXPECT_EQ(t.name(0), "(Extra material_1) , [{empty material}]");
  EXPECT_EQ(t.name(0, 1), "");
  EXPECT_EQ(t.name(1), "");
  EXPECT_EQ(t.session.scene.submat_count, (std::vector<std::int64_t>{1, 2, 0}));
  EXPECT_EQ(t.session.scene.nr_max_mats2, 2);
}

TEST(MaterialScan, RefusesListsThatDoNotHoldWhatTheyAnnounce) {
  const std::string one_material = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Only"
		*MATERIAL_CLASS "Standard"
		*MATERIAL_WIRESIZE 1.0000
	}
)";
  const std::string multi_of_one = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Multi"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 30000
		*SUBMATERIAL 0 {
			*MATERIAL_NAME "First"
			*MATERIAL_CLASS "Standard"
		}
	}
)";
  const std::string endless_sub = R"(	*MATERIAL 0 {
		*MATERIAL_NAME "Multi"
		*MATERIAL_CLASS "Multi/Sub-Object"
		*MATERIAL_WIRESIZE 1.0000
		*NUMSUBMTLS 99999
	}
)";
  const std::string cut_short =
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT 1\n" + one_material.substr(0, 60);
  const std::vector<std::string> broken = {
      scene_with_materials(2, one_material),      // a count larger than the materials present
      scene_with_materials(32767, one_material),  // a huge one
      scene_with_materials(1, multi_of_one),      // fewer sub-materials than announced
      scene_with_materials(1, endless_sub),       // a sub-material count beyond 16 bits
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT many\n}\n*GEOMOBJECT {\n}\n",
      "*MATERIAL_LIST {\n\t*MATERIAL_COUNT 40000\n}\n*GEOMOBJECT {\n}\n",
      cut_short,  // the end of the file inside the list
  };
  for (const std::string& text : broken) {
    MaterialScene t(text);
    EXPECT_EQ(t.analyse(), PassOutcome::stopped) << text;
    EXPECT_EQ(t.prompt.messages, std::vector<Message>{invalid_file}) << text;
  }
}

TEST(MaterialScan, ReportsAnUnreadableScene) {
  MaterialScene t(scene_with_materials(0, ""));
  t.session.scene.fich = t.folder.file("gone.ase");
  EXPECT_EQ(t.analyse(), PassOutcome::stopped);
  ASSERT_EQ(t.prompt.messages.size(), 1u);
  EXPECT_EQ(t.prompt.messages[0].text.rfind(
                "The file " + t.folder.file("gone.ase") + " couldn't be opened: ", 0),
            0u);
  EXPECT_EQ(t.prompt.messages[0].style, 16);
  EXPECT_EQ(t.prompt.messages[0].title, "Error");
}

}  // namespace
}  // namespace meshmill
