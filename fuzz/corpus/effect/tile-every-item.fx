// parameters: GLSL uniform declarations, optionally with a semantic and an array size
uniform mat4      g_viewProjection : VIEWPROJECTION;
uniform mat4      g_modelTransform;
uniform vec4      g_colorPalette[12];
uniform sampler2D g_diffuseTexture;

// code shared by every program of the file (varyings, helper functions)
shared {
    varying vec2 v_uv;
}

// a vertex program: attributes carry the semantic the vertex buffer binds them by
vertex TileVS {
    attribute vec4 position : POSITION;
    attribute vec3 normal   : NORMAL;
    attribute vec2 uv       : TEXCOORD0;
    void main() { v_uv = uv; gl_Position = g_viewProjection * vec4(position.xyz, 1.0); }
}

fragment TileFS {
    void main() { gl_FragColor = texture2D(g_diffuseTexture, v_uv); }
}

technique Technique1 {
    pass p0 {
        VertexProgram   = TileVS;
        FragmentProgram = TileFS;
        DepthTestEnable = true;
        BlendEnable     = false;
    }
}
